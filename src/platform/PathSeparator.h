// The character that separates the names of a path, and the mark that begins a folder's item
// name in a list. Both are the system's own separator: "/" on Linux, "\" on Windows. Neither
// can occur in a file name, so the mark tells folders from files without doubt.
#pragma once

namespace quillet {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

inline constexpr char kFolderMark = kPathSeparator;

}  // namespace quillet
