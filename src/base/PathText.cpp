#include "base/PathText.h"

namespace quillet {

std::string ParentOf(std::string_view path, std::string_view separators, std::size_t rootLength) {
    const std::size_t separator = path.find_last_of(separators);
    if (separator == std::string_view::npos) return ".";
    return std::string(path.substr(0, separator + 1 == rootLength ? rootLength : separator));
}

}  // namespace quillet
