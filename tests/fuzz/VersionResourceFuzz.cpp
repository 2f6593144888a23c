// libFuzzer target for the version reader: any bytes, taken as a whole file and as a version
// block, must give an answer or nothing, never a crash or a read out of bounds.
#include <cstddef>
#include <cstdint>
#include <span>

#include "formats/VersionResource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const std::vector<std::uint8_t> block = quillet::FindVersionInfo(bytes);
    for (const char* query : {"\\", "\\VarFileInfo\\Translation",
                              "\\StringFileInfo\\040904E4\\ProductName", "\\StringFileInfo"}) {
        if (const auto value = quillet::QueryVersionValue(block, query))
            quillet::VersionText(*value);
        if (const auto value = quillet::QueryVersionValue(bytes, query))
            quillet::VersionText(*value);
    }
    return 0;
}
