#include "scan/ExclusionList.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "platform/PathSeparator.h"

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
    return ExclusionText(ReadIniSection(folder + kPathSeparator + "Excludes.ini", "Directories"));
}

namespace {

// File names are at most this long on Linux; a longer name is searched for in the whole text.
constexpr std::size_t kLongestName = 255;

}  // namespace

ExclusionList::ExclusionList(std::string_view exclusionText) : Text_(exclusionText) {
    for (std::size_t i = Text_.find('='); i != std::string::npos; i = Text_.find('=', i + 1)) {
        Starts_.push_back(i + 1);
    }
    const auto before = [this](std::size_t a, std::size_t b) {
        return Following(a) < Following(b);
    };
    const auto same = [this](std::size_t a, std::size_t b) { return Following(a) == Following(b); };
    std::sort(Starts_.begin(), Starts_.end(), before);
    Starts_.erase(std::unique(Starts_.begin(), Starts_.end(), same), Starts_.end());
}

std::string_view ExclusionList::Following(std::size_t start) const {
    return std::string_view(Text_).substr(start, kLongestName);
}

bool ExclusionList::Excludes(std::string_view folderName) const {
    if (Starts_.empty()) return false;
    const std::string name = LowerAsciiLetters(folderName);
    if (name.size() > kLongestName) return Text_.find("=" + name) != std::string::npos;
    // Texts that begin with name sort together, and the first of them is not below name.
    const auto first = std::lower_bound(
        Starts_.begin(), Starts_.end(), std::string_view(name),
        [this](std::size_t start, std::string_view key) { return Following(start) < key; });
    return first != Starts_.end() && Following(*first).starts_with(name);
}

}  // namespace quillet
