#include <windows.h>

#include "platform/TerminalWidth.h"

namespace quillet {

int StandardErrorColumns() {
    // Only a console has a screen buffer; a file, a pipe or a terminal emulator's pipe has none.
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info)) return 0;
    const int columns = info.srWindow.Right - info.srWindow.Left + 1;
    return columns > 0 ? columns : 80;
}

}  // namespace quillet
