// The window's command line: a folder to scan, or --import and an exported scan, or a request
// for the usage or the version. What cannot be read is said, as quillet-scan says it.
#pragma once

#include <string>
#include <vector>

namespace quillet {

extern const char* const kWindowUsage;

struct TCommandLine {
    // For the window: none (the working directory), the folder, or "--import" and the file.
    std::vector<std::string> Arguments;
    bool Help = false;
    bool Version = false;
    std::string Problem;  // empty when the line reads
};

// args: the arguments after the program's name, without the toolkit's own options.
TCommandLine ReadCommandLine(const std::vector<std::string>& args);

// What is printed for a line that does not read: the problem, the forms the program takes and
// where to read more.
std::string CommandLineProblemText(const std::string& problem);

}  // namespace quillet
