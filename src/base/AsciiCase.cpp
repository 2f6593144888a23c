#include "base/AsciiCase.h"

namespace quillet {

std::string LowerAsciiLetters(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

}  // namespace quillet
