// What the window asks of the Windows shell: open a file or a web address with the program the
// user chose for it, show an entry in Explorer, the mouse buttons held now.
// Windows only, as linux/X11PointerButtons.h is Linux only: the Linux window reaches the same
// services through Qt and the freedesktop.org interfaces, which share no shape with these.
// Paths are WTF-8 (Win32Names.h). Each call sets up COM on the calling thread if it has none.
#pragma once

#include <string>

namespace quillet {

// Each answers why it failed, in words that hold no path; empty when the shell took it.
// Opening a file leaves its failures to the shell's own boxes (for a file that no program is
// associated with, the shell asks which should open it), and answers only why the file was
// not handed to the shell: it is not there, or has a name the shell cannot reach.
std::string OpenWithAssociatedProgram(const std::string& path);
std::string OpenWebAddress(const std::string& address);
// Opens the folder that holds path in Explorer with the entry selected; when Explorer cannot
// select it (or cannot reach its name), opens that folder alone.
std::string ShowInExplorer(const std::string& path);

// Whether the left or the right button is held now, over any window of any program.
bool LeftOrRightButtonHeld();

}  // namespace quillet
