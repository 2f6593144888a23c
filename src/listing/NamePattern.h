// What Find looks for in names. Text without * or ? matches anywhere in a name; with them the
// pattern matches the whole name as in a shell: * any run of characters, ? one character.
// A to Z match either case. Names are matched as ShownName shows them, so a character shown
// as an escape is found by typing the escape as it is shown.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

class NamePattern {
public:
    explicit NamePattern(std::string_view pattern);

    // name as stored (a folder's without its mark).
    bool Matches(std::string_view name) const;
    bool Empty() const { return Pattern_.empty(); }

private:
    bool MatchesShown(std::string_view shown) const;

    std::string Pattern_;  // A to Z lower-cased
    bool Wildcards_ = false;
    // Characters a name must hold for the pattern to match it: a long pattern rules out most
    // names at once.
    std::size_t FixedCharacters_ = 0;
};

}  // namespace quillet
