#include "scan/IniFile.h"

#include <string_view>

#include "base/AsciiCase.h"
#include "platform/RegularFile.h"

namespace quillet {
namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

}  // namespace

std::vector<IniValue> ParseIniSection(const std::string& text, const std::string& section) {
    std::vector<IniValue> values;
    std::string_view rest(text);
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
    bool inSection = false;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view line = Trim(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            inSection = close != std::string_view::npos &&
                        SameIgnoringAsciiCase(Trim(line.substr(1, close - 1)), section);
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        std::string_view value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        values.push_back({std::string(Trim(line.substr(0, equals))), std::string(value)});
    }
    return values;
}

std::vector<IniValue> ReadIniSection(const std::string& fileName, const std::string& section) {
    const auto text = ReadRegularFile(fileName, kMaxIniFileBytes);
    return text ? ParseIniSection(*text, section) : std::vector<IniValue>();
}

}  // namespace quillet
