#include "app/TypedPath.h"

#include "base/HexDigits.h"
#include "platform/PathSeparator.h"

namespace quillet {
std::string TypedPath(const QString& text, const std::string& home) {
    const QByteArray utf8 = text.trimmed().toUtf8();
    const std::string typed(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    std::string path;
    std::size_t i = 0;
    if (typed == "~" || typed.starts_with("~/")) {
        path = home;
        i = 1;
    }
    if (kPathSeparator == '\\') return path + typed.substr(i);
    while (i < typed.size()) {
        const char c = typed[i];
        const char next = i + 1 < typed.size() ? typed[i + 1] : '\0';
        if (c == '\\' && (next == '\\' || next == 'n' || next == 't' || next == 'r')) {
            path += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : '\\';
            i += 2;
        } else if (c == '\\' && next == 'x' && i + 3 < typed.size() &&
                   HexDigitValue(typed[i + 2]) >= 0 && HexDigitValue(typed[i + 3]) >= 0) {
            path +=
                static_cast<char>(HexDigitValue(typed[i + 2]) * 16 + HexDigitValue(typed[i + 3]));
            i += 4;
        } else {
            path += c;
            ++i;
        }
    }
    return path;
}

}  // namespace quillet
