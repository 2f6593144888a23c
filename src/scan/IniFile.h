// A small reader for INI text files, as far as the program needs one: the key=value lines of
// one section. Section names match whatever their letter case; blanks around keys and values
// are dropped, as are lines starting with ";" or "#", lines without "=", a UTF-8 byte-order
// mark and one pair of double quotes around a value. A missing or unreadable file, or one that
// is not a regular file, is empty; only the first MiB of a larger one is read.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quillet {

inline constexpr std::size_t kMaxIniFileBytes = 1 << 20;

struct IniValue {
    std::string Key;
    std::string Value;
};

std::vector<IniValue> ReadIniSection(const std::string& fileName, const std::string& section);

// The same, from text already in memory.
std::vector<IniValue> ParseIniSection(const std::string& text, const std::string& section);

}  // namespace quillet
