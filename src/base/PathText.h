// Paths as text, the same on every system once it names its separators and the length of its
// root ("/" on Linux, "C:\" on Windows).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet {

// "." and "..": the folder itself and its parent, which a listing names but are no entries.
constexpr bool IsDotOrDotDot(std::string_view name) {
    return name == "." || name == "..";
}

// The folder that holds path: everything before its last separator, the whole root when that
// separator is the root's last character ("/", "C:\"), "." for a bare name.
std::string ParentOf(std::string_view path, std::string_view separators, std::size_t rootLength);

}  // namespace quillet
