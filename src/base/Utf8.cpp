#include "base/Utf8.h"

namespace quillet {

int Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    int length;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (i + static_cast<std::size_t>(length) > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (int k = 2; k < length; ++k) {
        if ((byte(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80) return 0;
    }
    return length;
}

char32_t Utf8CodePoint(std::string_view text, std::size_t i, int length) {
    const auto byte = [&](int k) {
        return static_cast<char32_t>(
            static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]));
    };
    if (length == 1) return byte(0);
    char32_t code = byte(0) & (0x7Fu >> length);
    for (int k = 1; k < length; ++k)
        code = (code << 6) | (byte(k) & 0x3Fu);
    return code;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace quillet
