#include "scan/Utf16Length.h"

#include "scan/Utf8Sequence.h"

namespace quillet {

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
