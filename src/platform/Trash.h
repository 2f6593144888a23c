// The desktop's trash, where a file or a whole folder goes so that it can be put back.
// Linux: the trash freedesktop.org describes. The entry moves into the trash of its own volume
// (the home trash under $XDG_DATA_HOME for the user's volume, a .Trash/$uid or .Trash-$uid
// folder at the top of any other), with an info file that lets a file manager show where it
// came from and put it back. The path's bytes are used as they are. Nothing already in the
// trash is ever replaced: the entry takes another name there instead.
// Windows: the Recycle Bin of the entry's drive, through the shell, which shows nothing unless
// the bin cannot take the entry: then it asks before deleting it for good, where it would
// otherwise delete it without a word. A drive other than a fixed one has no Recycle Bin, and
// the shell takes no path longer than MAX_PATH nor a name that ends in a dot or a blank (it
// would reach another entry): all are refused. Under Wine the Recycle Bin
// is the host's freedesktop.org home trash ($XDG_DATA_HOME/Trash).
#pragma once

#include <string>

namespace quillet {

// What the desktop calls it: in a title ("Trash"; "Recycle Bin" on Windows) and within a
// sentence ("trash"; "Recycle Bin").
extern const char* const kTrashTitle;
extern const char* const kTrashInText;

// Why the move failed, in words; empty when the entry is in the trash. Nothing is left behind
// on failure. The words never hold a path, so a caller can show them beside its own.
std::string MoveToTrash(const std::string& path);

}  // namespace quillet
