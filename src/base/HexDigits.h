// Hexadecimal digits, as escapes in names, file URLs and JSON write and read them.
#pragma once

#include <string>

namespace quillet {

inline constexpr char kUpperHexDigits[] = "0123456789ABCDEF";
inline constexpr char kLowerHexDigits[] = "0123456789abcdef";

// Appends byte as two digits taken from digits (kUpperHexDigits or kLowerHexDigits).
inline void AppendHexByte(std::string& out, unsigned char byte,
                          const char* digits = kUpperHexDigits) {
    out += digits[byte >> 4];
    out += digits[byte & 0x0F];
}

// The value of a digit of either case, or -1 for anything else.
constexpr int HexDigitValue(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace quillet
