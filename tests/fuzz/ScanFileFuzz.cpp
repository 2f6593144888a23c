// libFuzzer target for the scan file reader: any bytes must give a whole tree or an error
// with nothing in the tree, never a crash, a hang or a read out of bounds.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "formats/ImportFolderSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    quillet::TFolderList root(".");
    const std::string error = quillet::ImportScan(root, in, "fuzz.json", {});
    if (!error.empty() && (root.Count() != 0 || root.FileCount != 0)) __builtin_trap();
    return 0;
}
