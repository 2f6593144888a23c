// Build tool: writes the program's own version data, which the build then embeds in the
// executable's ".vsversion" section.
//
//   quillet-versioninfo OUTPUT VERSION RELEASE-DATE PRODUCT-NAME COPYRIGHT WEB-SITE
#include <cstdio>
#include <fstream>
#include <sstream>

#include "formats/VersionInfoWriter.h"

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr,
                     "usage: %s OUTPUT VERSION RELEASE-DATE PRODUCT-NAME COPYRIGHT WEB-SITE\n",
                     argv[0]);
        return 2;
    }
    const std::string version = argv[2];
    quillet::VersionInfoContents contents;
    std::istringstream parts(version);
    std::string part;
    for (std::size_t i = 0; i < 4 && std::getline(parts, part, '.'); ++i) {
        contents.FileVersion[i] = static_cast<std::uint16_t>(std::stoul(part));
    }
    const auto& v = contents.FileVersion;
    const std::string fourParts = std::to_string(v[0]) + "." + std::to_string(v[1]) + "." +
                                  std::to_string(v[2]) + "." + std::to_string(v[3]);
    contents.Tables.push_back({"040904E4",
                               {{"CompanyName", "Corvane"},
                                {"FileDescription", "Quillet"},
                                {"FileVersion", fourParts},
                                {"InternalName", "quillet"},
                                {"LegalCopyright", argv[5]},
                                {"OriginalFileName", "quillet"},
                                {"ProductName", argv[4]},
                                {"ProductVersion", version},
                                {"Comments", argv[3]},
                                {"Web site", argv[6]}}});
    contents.Translation = quillet::TranslationValue({0x04E40409});
    const auto block = quillet::WriteVersionInfo(contents);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(block.data()),
              static_cast<std::streamsize>(block.size()));
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
