// Writing a whole buffer through a call that may write only part of it, as the systems'
// write calls do.
#pragma once

#include <cstddef>
#include <string_view>

namespace quillet {

// Calls writeSome(rest) until every byte is written; writeSome writes from the front of rest
// and returns how many bytes it wrote, 0 or less when it failed.
template <typename WriteSome>
bool WriteAll(std::string_view bytes, WriteSome writeSome) {
    while (!bytes.empty()) {
        const auto written = writeSome(bytes);
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace quillet
