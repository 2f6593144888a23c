// Length of a UTF-8 byte string in UTF-16 code units, as the window counts the characters of a
// path once decoded: each byte of a malformed sequence becomes one replacement character. On
// Windows, where names are kept as WTF-8, an unpaired surrogate counts as the one unit it is.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillet {

std::int32_t Utf16Length(std::string_view utf8);

}  // namespace quillet
