#include "scan/ExclusionList.h"

#include "scan/AsciiCase.h"

namespace quillet {

std::string ExclusionText(const std::vector<IniValue>& lines) {
    std::string text;
    for (const IniValue& line : lines) {
        const std::string item = line.Key + "=" + line.Value;
        if (!text.empty()) text += ',';
        if (item.find_first_of(" ,\"") == std::string::npos) {
            text += item;
            continue;
        }
        text += '"';
        for (char c : item) {
            if (c == '"') text += '"';
            text += c;
        }
        text += '"';
    }
    return LowerAsciiLetters(text);
}

std::string ReadExclusionText(const std::string& folder) {
    return ExclusionText(ReadIniSection(folder + "/Excludes.ini", "Directories"));
}

bool IsExcluded(std::string_view exclusionText, std::string_view folderName) {
    if (exclusionText.empty()) return false;
    const std::string needle = "=" + LowerAsciiLetters(folderName);
    return exclusionText.find(needle) != std::string_view::npos;
}

}  // namespace quillet
