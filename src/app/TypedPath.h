// A path typed or pasted into the folder chooser, read the way the program shows paths
// (ShownName.h): each escape stands for the byte it shows, so a shown path reads back as the
// very bytes it was made from, and a name that is not UTF-8 can be typed too.
#pragma once

#include <QString>
#include <string>

namespace quillet {

// The bytes text stands for, blanks around it gone; "~" at its start is home. "\\", "\n",
// "\t", "\r" and "\xHH" are read as ShownName writes them; any other backslash is itself. On
// Windows, where the backslash separates names and is shown as it is, none is an escape.
std::string TypedPath(const QString& text, const std::string& home);

}  // namespace quillet
