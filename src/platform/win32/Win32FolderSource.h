// Folder enumeration on Windows: FindFirstFileExW / FindNextFileW with the basic information
// level and large fetches, one open search per open level of the scan. Names come back as
// WTF-8 (Win32Names.h), so unpaired surrogates survive. Links are never followed: a symbolic
// link is a file of its own size, and a junction or volume mount point is a folder that is
// counted but not entered, as a mount point is on Linux. Every path is passed with the prefix
// \\?\, so a name that ends in a dot or a blank is read as it is stored (Win32Names.h); a
// folder whose search pattern would pass 32767 units cannot be enumerated, and says so.
// On-disk sizes come from GetCompressedFileSizeW, asked only for compressed or sparse files.
#pragma once

#include "platform/FolderSource.h"

namespace quillet {

class Win32FolderSource final : public FolderSource {
public:
    std::unique_ptr<FolderHandle> OpenRoot(const std::string& path) override;
};

}  // namespace quillet
