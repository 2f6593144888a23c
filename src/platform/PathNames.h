// Turning what a user typed into a folder path the scan can use, and saying why it cannot.
#pragma once

#include <string>

namespace quillet {

// An absolute path for path, relative ones taken against the working directory, with "." and
// ".." folded away lexically and no trailing "/" (except "/" itself).
std::string AbsoluteFolderPath(const std::string& path);

// Empty when path names a folder that can be listed; otherwise why not, in words.
std::string FolderAccessError(const std::string& path);

}  // namespace quillet
