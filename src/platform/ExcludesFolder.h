// Where Excludes.ini is read from. A copy beside the executable (a build folder, a portable
// copy) wins when there is one; otherwise the user's own in $XDG_CONFIG_HOME/corvane, then the
// system's in each of $XDG_CONFIG_DIRS (the package puts a commented example in
// /etc/xdg/corvane). The program itself goes to /usr/bin with nothing beside it.
#pragma once

#include <string>

namespace quillet {

// The places to look, as this process finds them; empty strings for unset variables.
struct ExcludesSearch {
    std::string ExecutableFolder;
    std::string XdgConfigHome;
    std::string Home;
    std::string XdgConfigDirs;  // colon-separated
};

// The first folder of the search that holds an Excludes.ini; when none does, the first config
// folder (normally the user's own, where one would be made; a missing file leaves nothing out).
std::string FindExcludesFolder(const ExcludesSearch& search);

// The search for the running program: its executable's folder and its environment.
std::string ExcludesFolder();

}  // namespace quillet
