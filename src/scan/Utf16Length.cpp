#include "scan/Utf16Length.h"

#include "base/Utf8.h"
#include "platform/PathSeparator.h"

namespace quillet {
namespace {

// The three bytes by which WTF-8 keeps an unpaired surrogate (U+D800 to U+DFFF).
bool IsEncodedSurrogate(std::string_view text, std::size_t i) {
    return i + 2 < text.size() && static_cast<unsigned char>(text[i]) == 0xED &&
           static_cast<unsigned char>(text[i + 1]) >= 0xA0 &&
           (static_cast<unsigned char>(text[i + 2]) & 0xC0) == 0x80;
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
        const int length = Utf8SequenceLength(utf8, i);
        if (length == 0 && kPathSeparator == '\\' && IsEncodedSurrogate(utf8, i)) {
            // Windows names are WTF-8 (Win32Names.h): the surrogate was one unit there.
            ++units;
            i += 3;
        } else if (length == 0) {
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
