// The desktop's trash, as freedesktop.org describes it: a file or a whole folder is moved into
// the trash of its own volume (the home trash under $XDG_DATA_HOME for the user's volume, a
// .Trash/$uid or .Trash-$uid folder at the top of any other), with an info file that lets a
// file manager show where it came from and put it back. The path's bytes are used as they are.
// Nothing already in the trash is ever replaced: the entry takes another name there instead.
#pragma once

#include <string>

namespace quillet {

// Why the move failed, in words; empty when the entry is in the trash. Nothing is left behind
// on failure. The words never hold a path, so a caller can show them beside its own.
std::string MoveToTrash(const std::string& path);

}  // namespace quillet
