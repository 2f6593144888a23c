// The program's arguments after its own name, as the system holds them: on Linux argv's bytes;
// on Windows the UTF-16 command line (CommandLineToArgvW) as WTF-8, so that a path with any
// characters (one Explorer hands over, say) arrives whole.
#pragma once

#include <string>
#include <vector>

namespace quillet {

std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace quillet
