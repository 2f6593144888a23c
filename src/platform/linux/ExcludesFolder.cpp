#include "platform/ExcludesFolder.h"

#include <sys/stat.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "platform/ExecutableFolder.h"

namespace quillet {
namespace {

constexpr const char* kFileName = "/Excludes.ini";
constexpr const char* kVendorFolder = "/corvane";

bool HoldsExcludesFile(const std::string& folder) {
    struct stat info {};
    return !folder.empty() && stat((folder + kFileName).c_str(), &info) == 0 &&
           S_ISREG(info.st_mode);
}

bool IsAbsolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

// The XDG base directory rules: a relative path is not valid and is ignored, and an unset,
// empty or ignored variable means its default.
std::vector<std::string> ConfigFolders(const ExcludesSearch& search) {
    std::vector<std::string> folders;
    if (IsAbsolute(search.XdgConfigHome))
        folders.push_back(search.XdgConfigHome + kVendorFolder);
    else if (IsAbsolute(search.Home))
        folders.push_back(search.Home + "/.config" + kVendorFolder);
    std::istringstream systemFolders(search.XdgConfigDirs.empty() ? "/etc/xdg"
                                                                  : search.XdgConfigDirs);
    for (std::string folder; std::getline(systemFolders, folder, ':');)
        if (IsAbsolute(folder)) folders.push_back(folder + kVendorFolder);
    return folders;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::string FindExcludesFolder(const ExcludesSearch& search) {
    if (HoldsExcludesFile(search.ExecutableFolder)) return search.ExecutableFolder;
    const std::vector<std::string> folders = ConfigFolders(search);
    for (const std::string& folder : folders)
        if (HoldsExcludesFile(folder)) return folder;
    return folders.empty() ? search.ExecutableFolder : folders.front();
}

std::string ExcludesFolder() {
    return FindExcludesFolder({ExecutableFolder(), Variable("XDG_CONFIG_HOME"), Variable("HOME"),
                               Variable("XDG_CONFIG_DIRS")});
}

}  // namespace quillet
