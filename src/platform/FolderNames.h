// The names in one folder as the file system stores them, for the folder and file choosers and for
// finding which entry a dialog's text stands for. The scan reads folders through
// FolderSource instead.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillet {

struct NamedEntry {
    std::string Name;       // bytes as stored, never decoded
    bool IsFolder = false;  // a folder, or a link to one
};

// Every entry of folder but "." and ".."; none when the folder cannot be listed.
std::optional<std::vector<NamedEntry>> ReadFolderNames(const std::string& folder);

// Whether path is a folder, or a link to one.
bool LeadsToFolder(const std::string& path);

// Whether path is an entry other than a folder (a file, a pipe, a device...), or a link to one.
bool LeadsToFile(const std::string& path);

// Where the machine's folders begin: "/" on Linux; the drives on Windows ("C:\", "D:\"...).
std::vector<std::string> RootFolders();

}  // namespace quillet
