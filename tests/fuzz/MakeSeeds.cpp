// Writes starting inputs for the version reader's fuzz target: PE and ELF files of every
// flavour the reader knows, each carrying a version block.
#include <string>

#include "formats/VersionInfoWriter.h"
#include "support/ExecutableImages.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string folder = argv[1];
    quillet::VersionInfoContents contents;
    contents.FileVersion = {1, 2, 3, 4};
    contents.Tables.push_back({"040904E4", {{"ProductName", "Seed"}, {"Web site", "example.org"}}});
    contents.Translation = quillet::TranslationValue({0x04E40409});
    const auto block = quillet::WriteVersionInfo(contents);
    namespace t = quillet::test;
    t::WriteFile(folder + "/pe32", t::MakePe(false, {{0x409, block}}));
    t::WriteFile(folder + "/pe32plus", t::MakePe(true, {{0x401, block}, {0x409, block}}));
    t::WriteFile(folder + "/elf64", t::MakeElf(true, false, block));
    t::WriteFile(folder + "/elf32be", t::MakeElf(false, true, block));
    t::WriteFile(folder + "/block", block);
    return 0;
}
