#include "app/CommandLine.h"

namespace quillet {

const char* const kWindowUsage =
    "Usage: quillet [FOLDER]\n"
    "       quillet --import FILE\n"
    "\n"
    "Shows where the space on a disk goes: scans FOLDER (default: the working directory)\n"
    "and shows it as a pie chart beside a list of its entries, largest first.\n"
    "\n"
    "  --import FILE  show a scan exported by quillet-scan --export, ncdu -o or gdu -o\n"
    "                 instead of scanning a folder\n"
    "  --help         show this text\n"
    "  --version      show the version\n";

TCommandLine ReadCommandLine(const std::vector<std::string>& args) {
    const auto wrong = [](std::string problem) {
        TCommandLine wrongLine;
        wrongLine.Problem = std::move(problem);
        return wrongLine;
    };
    TCommandLine line;
    bool folderGiven = false;
    bool importGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.Help = true;
        } else if (arg == "--version") {
            line.Version = true;
        } else if (arg == "--import" || arg.rfind("--import=", 0) == 0) {
            std::string file;
            if (arg == "--import") {
                if (i + 1 == args.size()) return wrong("option --import needs a FILE");
                file = args[++i];
            } else {
                file = arg.substr(arg.find('=') + 1);
            }
            if (file.empty()) return wrong("the --import FILE is empty");
            if (importGiven) return wrong("only one FILE can be imported at a time");
            importGiven = true;
            line.Arguments = {"--import", file};
        } else if (arg == "--" && i + 1 < args.size() && !folderGiven) {
            folderGiven = true;
            line.Arguments = {args[++i]};
        } else if (arg.size() > 1 && arg[0] == '-') {
            return wrong("unknown option '" + arg + "'");
        } else if (folderGiven) {
            return wrong("only one FOLDER can be scanned at a time");
        } else {
            folderGiven = true;
            line.Arguments = {arg};
        }
    }
    if (importGiven && folderGiven) return wrong("--import reads a FILE, not a FOLDER");
    return line;
}

std::string CommandLineProblemText(const std::string& problem) {
    const std::string usage = kWindowUsage;
    return "quillet: " + problem + "\n" + usage.substr(0, usage.find("\n\n") + 1) +
           "Try 'quillet --help' for more.\n";
}

}  // namespace quillet
