// The folder that holds the running executable, where Excludes.ini is looked for.
#pragma once

#include <string>

namespace quillet {

// Full path without a trailing "/"; empty when the system cannot tell.
std::string ExecutableFolder();

}  // namespace quillet
