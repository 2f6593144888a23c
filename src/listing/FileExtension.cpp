#include "listing/FileExtension.h"

#include "base/AsciiCase.h"

namespace quillet {

std::string FileExtension(std::string_view name) {
    return LowerAsciiLetters(FileExtensionAsStored(name));
}

std::string_view FileExtensionAsStored(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size()) return {};
    return name.substr(dot + 1);
}

}  // namespace quillet
