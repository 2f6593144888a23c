// Where the running executable is: its own version data is read from it, and Excludes.ini is
// looked for beside it first.
#pragma once

#include <string>

namespace quillet {

// Full path of the executable; empty when the system cannot tell.
std::string ExecutablePath();

// Its folder, without a trailing "/" (but "/"); empty when the system cannot tell.
std::string ExecutableFolder();

}  // namespace quillet
