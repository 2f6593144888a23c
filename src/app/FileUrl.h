// The file:// address of a path, for the desktop's open and show-in-file-manager services.
#pragma once

#include <QUrl>
#include <string>

namespace quillet {

// Percent-encoded from the path's bytes, never decoded on the way: a name that is not UTF-8
// keeps its bytes, so the address names the very file the path does.
QUrl FileUrl(const std::string& path);

}  // namespace quillet
