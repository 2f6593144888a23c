// Lower-casing as the program shows names: only the letters A to Z change, so accented
// capitals and every byte of a multi-byte character stay as they are.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

std::string LowerAsciiLetters(std::string_view text);

}  // namespace quillet
