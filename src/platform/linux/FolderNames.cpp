#include "platform/FolderNames.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>
#include <string_view>

#include "base/PathText.h"

namespace quillet {

std::optional<std::vector<NamedEntry>> ReadFolderNames(const std::string& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), &closedir);
    if (!dir) return std::nullopt;
    const int fd = dirfd(dir.get());
    std::vector<NamedEntry> entries;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (IsDotOrDotDot(name)) continue;
        bool isFolder = entry->d_type == DT_DIR;
        // A link, or a file system that leaves the type to stat: asked through the link.
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat st;
            isFolder = fstatat(fd, entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        entries.push_back({std::string(name), isFolder});
    }
    return entries;
}

bool LeadsToFolder(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool LeadsToFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::vector<std::string> RootFolders() {
    return {"/"};
}

}  // namespace quillet
