// A file's type, as files are grouped by type: the text after the last dot of its name, with
// A to Z lower-cased ("a.tar.gz" is "gz", "Photo.JPG" is "jpg"). A name without a dot, a name
// whose only dot is its first character (".bashrc") and a name ending in a dot have none, and
// share one group. Other bytes are kept as they are, so an extension that is not UTF-8 is a
// group of its own, shown as ShownName shows it.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

// The name of the group of files without an extension.
inline constexpr std::string_view kNoExtensionText = "(no extension)";

// Empty when the name has none.
std::string FileExtension(std::string_view name);
// The same text with its letters as the name has them.
std::string_view FileExtensionAsStored(std::string_view name);

}  // namespace quillet
