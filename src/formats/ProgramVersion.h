// The text of --version, from the running program's own version data: the program's name,
// its version and release date, the product name and the copyright line.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

std::string ProgramVersionText(std::string_view programName);

}  // namespace quillet
