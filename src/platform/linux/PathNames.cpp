#include "platform/PathNames.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace quillet {

std::string AbsoluteFolderPath(const std::string& path) {
    std::string absolute = path;
    if (path.empty() || path.front() != '/') {
        std::error_code error;
        const std::string cwd = std::filesystem::current_path(error).string();
        if (!error) absolute = cwd + "/" + path;
    }

    std::vector<std::string_view> names;
    std::size_t lastUp = 0;  // names[0, lastUp) are resolved by the system
    for (std::size_t at = 0; at <= absolute.size();) {
        const std::size_t end = std::min(absolute.find('/', at), absolute.size());
        const std::string_view name = std::string_view(absolute).substr(at, end - at);
        if (!name.empty() && name != ".") names.push_back(name);
        if (name == "..") lastUp = names.size();
        at = end + 1;
    }

    std::string result;
    std::size_t first = 0;
    if (lastUp > 0) {
        std::string resolvedPart;
        for (std::size_t i = 0; i < lastUp; ++i)
            resolvedPart.append("/").append(names[i]);
        std::unique_ptr<char, decltype(&std::free)> real(realpath(resolvedPart.c_str(), nullptr),
                                                         &std::free);
        if (!real) {
            while (absolute.size() > 1 && absolute.back() == '/')
                absolute.pop_back();
            return absolute;
        }
        result = real.get();
        if (result == "/") result.clear();
        first = lastUp;
    }
    for (std::size_t i = first; i < names.size(); ++i)
        result.append("/").append(names[i]);
    return result.empty() ? "/" : result;
}

std::string FolderAccessError(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return std::strerror(errno);
    if (!S_ISDIR(st.st_mode)) return "Not a folder";
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    close(fd);
    return {};
}

}  // namespace quillet
