#include "platform/ReadFailureText.h"

#include <system_error>

namespace quillet {

std::string ReadFailureText(int code) {
    return std::generic_category().message(code);
}

}  // namespace quillet
