#include "platform/TerminalWidth.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace quillet {

int StandardErrorColumns() {
    if (!isatty(STDERR_FILENO)) return 0;
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

}  // namespace quillet
