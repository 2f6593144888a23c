// Turning what a user typed into a folder path the scan can use, and saying why it cannot.
#pragma once

#include <string>

namespace quillet {

// The absolute path of the folder the system reaches through path: a relative path is taken
// against the working directory, and everything up to its last ".." is resolved the way the
// system resolves it (through links, so lnk/.. is the parent of the link's target). The part
// after it keeps its names; "." and empty names go, and so does a trailing "/" (except "/"
// itself). When the resolution fails, the path is kept as written, so that listing it fails
// with the system's own reason.
std::string AbsoluteFolderPath(const std::string& path);

// Empty when path names a folder that can be listed; otherwise why not, in words.
std::string FolderAccessError(const std::string& path);

}  // namespace quillet
