#include "platform/ReadFailureText.h"

#include "platform/win32/Win32Names.h"

namespace quillet {

std::string ReadFailureText(int code) {
    return SystemErrorText(static_cast<unsigned long>(code));
}

}  // namespace quillet
