// Letter case as the program compares and shows names: only the letters A to Z change, so
// accented capitals and every byte of a multi-byte character stay as they are.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAsciiLetters(std::string_view text);

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace quillet
