#include <windows.h>

#include "platform/ExecutableFolder.h"
#include "platform/win32/Win32Names.h"

namespace quillet {

std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return Wtf8FromWide(path);
        }
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

std::string ExecutableFolder() {
    const std::string path = ExecutablePath();
    const auto separator = path.rfind('\\');
    if (separator == std::string::npos) return {};
    // "C:\" keeps its backslash.
    return path.substr(0, separator == 2 ? 3 : separator);
}

}  // namespace quillet
