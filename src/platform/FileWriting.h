// Writing a whole file the way a saved listing is written: in one piece, into a temporary file
// beside the target that replaces it only once every byte is safely on disk. A failure at any
// step leaves the old file as it was; the failures are told apart the way the user sees them.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

struct WriteOutcome {
    enum Result { Written, CannotCreate, WriteFailed } Outcome = Written;
    std::string SystemText;  // the system's words for why it could not be created
};

// A file that is replaced keeps its permissions (and its owner where the system allows); a
// symbolic link is written through, to the file it names. Anything that exists but is not a
// regular file is never opened and cannot be created.
WriteOutcome WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace quillet
