// What the system calls a folder's read failure, for messages ("Permission denied").
#pragma once

#include <string>

namespace quillet {

// The system's text for a ReadFailure's code (FolderSource.h).
std::string ReadFailureText(int code);

}  // namespace quillet
