#include "scan/ShownName.h"

#include "base/HexDigits.h"
#include "base/Utf8.h"
#include "platform/PathSeparator.h"

namespace quillet {
namespace {

void AppendHexEscape(std::string& text, unsigned char byte) {
    text += "\\x";
    AppendHexByte(text, byte);
}

// Characters that end a line or change the order in which a line is drawn.
bool BreaksOrReordersLine(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F || c == 0x2028 ||
           c == 0x2029 || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// Characters that draw nothing, so a name holding one looks like the name without it: the
// format characters (zero-width spaces and joiners, the word joiner, the byte order mark, the
// soft hyphen, invisible operators, tags and the like; not the marks that draw a sign, such as
// U+0600), the combining grapheme joiner, the Hangul fillers and what is reserved to be
// ignored. Variation selectors are kept: they choose how the character before them looks.
bool ShowsNothing(char32_t c) {
    if (c < 0x2000) {
        return c == 0x00AD || c == 0x034F || c == 0x115F || c == 0x1160 || c == 0x17B4 ||
               c == 0x17B5 || c == 0x180E;
    }
    return (c >= 0x200B && c <= 0x200D) || (c >= 0x2060 && c <= 0x206F) || c == 0x3164 ||
           c == 0xFEFF || c == 0xFFA0 || (c >= 0xFFF0 && c <= 0xFFFB) ||
           (c >= 0x13430 && c <= 0x1343F) || (c >= 0x1BCA0 && c <= 0x1BCA3) ||
           (c >= 0x1D173 && c <= 0x1D17A) || (c >= 0xE0000 && c <= 0xE00FF) ||
           (c >= 0xE01F0 && c <= 0xE0FFF);
}

// Spaces other than the blank, which look like it: lists trim them at either end.
bool IsWideOrFixedSpace(char32_t c) {
    return c == 0x00A0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

}  // namespace

bool ShownAsItIs(std::string_view name) {
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || byte == '\\' || byte >= 0x80) return false;
    }
    return name.empty() || (name.front() != ' ' && name.back() != ' ');
}

std::string ShownName(std::string_view name) {
    if (ShownAsItIs(name)) return std::string(name);
    std::string shown;
    shown.reserve(name.size());
    std::size_t i = 0;
    while (i < name.size()) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const int length = Utf8SequenceLength(name, i);
        if (length == 0) {
            AppendHexEscape(shown, byte);
            ++i;
            continue;
        }
        if (length > 1) {
            const auto size = static_cast<std::size_t>(length);
            const std::string_view sequence = name.substr(i, size);
            const char32_t codePoint = Utf8CodePoint(name, i, length);
            const bool atEdge = i == 0 || i + size == name.size();
            if (BreaksOrReordersLine(codePoint) || ShowsNothing(codePoint) ||
                (atEdge && IsWideOrFixedSpace(codePoint))) {
                for (const char c : sequence)
                    AppendHexEscape(shown, static_cast<unsigned char>(c));
            } else {
                shown += sequence;
            }
            i += size;
            continue;
        }
        const bool atEdge = i == 0 || i + 1 == name.size();
        // Where the backslash separates names, no name holds one: it stays as it is.
        if (byte == '\\' && kPathSeparator != '\\') {
            shown += "\\\\";
        } else if (byte == '\n') {
            shown += "\\n";
        } else if (byte == '\t') {
            shown += "\\t";
        } else if (byte == '\r') {
            shown += "\\r";
        } else if (byte < 0x20 || byte == 0x7F || (byte == ' ' && atEdge)) {
            AppendHexEscape(shown, byte);
        } else {
            shown += static_cast<char>(byte);
        }
        ++i;
    }
    return shown;
}

}  // namespace quillet
