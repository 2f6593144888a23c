#include "platform/ProgramArguments.h"

namespace quillet {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace quillet
