// UTF-8 as the program reads and writes it. Names are bytes, normally UTF-8, but any byte
// sequence is a legal name, so every reader must cope with malformed sequences; and a Windows
// name may hold a UTF-16 surrogate that pairs with nothing, which the tree keeps as WTF-8
// (UTF-8 that also encodes a surrogate as its own three bytes).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet {

// Bytes in the well-formed sequence that starts at text[i] (1 for ASCII), or 0 when it is
// malformed: a stray continuation byte, an overlong form, a surrogate, a code point above
// U+10FFFF or a sequence cut short.
int Utf8SequenceLength(std::string_view text, std::size_t i);

// Whether byte continues a sequence begun before it: text cut just before it splits a
// character.
inline bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The code point of the well-formed sequence of length bytes that starts at text[i].
char32_t Utf8CodePoint(std::string_view text, std::size_t i, int length);

// Appends code (at most U+10FFFF) as its UTF-8 sequence; a surrogate as its WTF-8 one.
void AppendUtf8(std::string& out, char32_t code);

// The halves of a UTF-16 surrogate pair, and the code point a pair stands for.
constexpr bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}
constexpr char32_t SurrogatePairCode(char32_t high, char32_t low) {
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

}  // namespace quillet
