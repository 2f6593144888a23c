// Reading UTF-8 as the file system hands it over: names are bytes, normally UTF-8, but any
// byte sequence is a legal name, so every reader must cope with malformed sequences.
#pragma once

#include <cstddef>
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

}  // namespace quillet
