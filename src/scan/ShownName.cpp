#include "scan/ShownName.h"

#include "platform/PathSeparator.h"
#include "scan/Utf8Sequence.h"

namespace quillet {
namespace {

void AppendHexEscape(std::string& text, unsigned char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    text += "\\x";
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
}

// Characters that end a line or change the order in which a line is drawn.
bool BreaksOrReordersLine(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F || c == 0x2028 ||
           c == 0x2029 || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::string ShownName(std::string_view name) {
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
            const std::string_view sequence = name.substr(i, static_cast<std::size_t>(length));
            if (BreaksOrReordersLine(Utf8CodePoint(name, i, length))) {
                for (const char c : sequence)
                    AppendHexEscape(shown, static_cast<unsigned char>(c));
            } else {
                shown += sequence;
            }
            i += static_cast<std::size_t>(length);
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
