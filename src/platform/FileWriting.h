// Writing a whole file the way a saved listing is written: created (or emptied) first, then
// written in one piece and closed, with a failure at each step told apart.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

struct WriteOutcome {
    enum Result { Written, CannotCreate, WriteFailed } Outcome = Written;
    std::string SystemText;  // the system's words for why it could not be created
};

WriteOutcome WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace quillet
