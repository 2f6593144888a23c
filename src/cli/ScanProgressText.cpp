#include "cli/ScanProgressText.h"

#include <algorithm>

#include "base/Utf8.h"
#include "scan/NumberText.h"
#include "scan/ShownName.h"

namespace quillet {
namespace {

constexpr std::string_view kEllipsis = "...";

// The length in bytes of the UTF-8 character that begins with lead (1 for a stray byte).
std::size_t CharacterBytes(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

int CharacterColumns(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 4) return 2;
    if (character.size() == 3) {
        const unsigned codePoint =
            (lead & 0x0Fu) << 12 | (static_cast<unsigned char>(character[1]) & 0x3Fu) << 6;
        return codePoint >= 0x1100 ? 2 : 1;
    }
    return 1;
}

// The longest start of text (whole characters) that takes at most columns.
std::string_view Head(std::string_view text, int columns) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t bytes =
            std::min(CharacterBytes(static_cast<unsigned char>(text[end])), text.size() - end);
        columns -= CharacterColumns(text.substr(end, bytes));
        if (columns < 0) break;
        end += bytes;
    }
    return text.substr(0, end);
}

// The longest end of text (whole characters) that takes at most columns.
std::string_view Tail(std::string_view text, int columns) {
    std::size_t start = text.size();
    while (start > 0) {
        std::size_t begin = start - 1;
        while (begin > 0 && IsUtf8Continuation(text[begin]))
            --begin;
        columns -= CharacterColumns(text.substr(begin, start - begin));
        if (columns < 0) break;
        start = begin;
    }
    return text.substr(start);
}

std::string Count(std::int64_t count, const char* one, const char* many) {
    return GroupedNumberText(static_cast<double>(count), 0, NumberPunctuation()) + " " +
           (count == 1 ? one : many);
}

std::string Elapsed(double seconds) {
    const auto whole = static_cast<long long>(std::max(seconds, 0.0));
    const auto twoDigits = [](long long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    const std::string secondsText = ":" + twoDigits(whole % 60);
    if (whole < 3600) return std::to_string(whole / 60) + secondsText;
    return std::to_string(whole / 3600) + ":" + twoDigits(whole / 60 % 60) + secondsText;
}

}  // namespace

int TextColumns(std::string_view text) {
    int columns = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t bytes =
            std::min(CharacterBytes(static_cast<unsigned char>(text[at])), text.size() - at);
        columns += CharacterColumns(text.substr(at, bytes));
        at += bytes;
    }
    return columns;
}

std::string ScanProgressText(std::int64_t files, std::int64_t folders, std::string_view path,
                             int columns, double seconds) {
    const int room = columns - 1;
    const std::string counts = Count(files, "file", "files") + ", " +
                               Count(folders, "folder", "folders") + ", " + Elapsed(seconds);
    const std::string shown = ShownName(path);
    const int pathRoom = room - TextColumns(counts) - 2;
    // A path cut to a few characters says nothing: the counts alone are shown then.
    if (pathRoom < 12) return std::string(Head(counts, std::max(room, 0)));
    std::string line = counts + "  ";
    if (TextColumns(shown) <= pathRoom) return line + shown;
    const int kept = pathRoom - static_cast<int>(kEllipsis.size());
    line += Head(shown, kept / 2);
    line += kEllipsis;
    line += Tail(shown, kept - kept / 2);
    return line;
}

}  // namespace quillet
