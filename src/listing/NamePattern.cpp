#include "listing/NamePattern.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "base/Utf8.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

bool IsWildcard(char c) {
    return c == '*' || c == '?';
}

// Bytes of the character that starts at text[at].
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && IsUtf8Continuation(text[end]))
        ++end;
    return end - at;
}

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsUtf8Continuation(c); }));
}

}  // namespace

NamePattern::NamePattern(std::string_view pattern) : Pattern_(LowerAsciiLetters(pattern)) {
    Wildcards_ = std::any_of(Pattern_.begin(), Pattern_.end(), IsWildcard);
    std::string fixed = Pattern_;
    std::erase(fixed, '*');
    FixedCharacters_ = CharacterCount(fixed);
}

bool NamePattern::Matches(std::string_view name) const {
    // Most names need no escapes to be shown: they are matched as they are, uncopied.
    if (ShownAsItIs(name)) return MatchesShown(name);
    return MatchesShown(ShownName(name));
}

bool NamePattern::MatchesShown(std::string_view shown) const {
    if (FixedCharacters_ > shown.size()) return false;
    if (!Wildcards_) {
        return std::search(shown.begin(), shown.end(), Pattern_.begin(), Pattern_.end(),
                           [](char a, char b) { return LowerAscii(a) == b; }) != shown.end();
    }
    // A character takes at most 4 bytes: most names need no count.
    if (FixedCharacters_ > shown.size() / 4 && FixedCharacters_ > CharacterCount(shown))
        return false;
    // The shell's match with one star to go back to: each star is tried with the shortest run
    // first, and a mismatch lengthens the last star's run by one character.
    std::size_t p = 0, s = 0;
    std::size_t starP = std::string::npos, starS = 0;
    while (s < shown.size()) {
        if (p < Pattern_.size() && Pattern_[p] == '*') {
            starP = ++p;
            starS = s;
        } else if (p < Pattern_.size() && Pattern_[p] == '?') {
            ++p;
            s += CharacterLength(shown, s);
        } else if (p < Pattern_.size() && Pattern_[p] == LowerAscii(shown[s])) {
            ++p;
            ++s;
        } else if (starP != std::string::npos) {
            p = starP;
            starS += CharacterLength(shown, starS);
            s = starS;
        } else {
            return false;
        }
    }
    while (p < Pattern_.size() && Pattern_[p] == '*')
        ++p;
    return p == Pattern_.size();
}

}  // namespace quillet
