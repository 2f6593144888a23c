#include "scan/Utf16Length.h"

namespace quillet {
namespace {

// Bytes in the well-formed sequence that starts at s[i], or 0 when it is malformed.
int SequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
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
    if (i + static_cast<std::size_t>(length) > s.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (int k = 2; k < length; ++k) {
        if ((byte(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80) return 0;
    }
    return length;
}

}  // namespace

std::int32_t Utf16Length(std::string_view utf8) {
    std::int32_t units = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            ++units;
            ++i;
            continue;
        }
        const int length = SequenceLength(utf8, i);
        if (length == 0) {
            ++units;
            ++i;
        } else {
            units += length == 4 ? 2 : 1;
            i += static_cast<std::size_t>(length);
        }
    }
    return units;
}

}  // namespace quillet
