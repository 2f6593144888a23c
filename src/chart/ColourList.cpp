#include "chart/ColourList.h"

#include <cstdio>

namespace quillet {
namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The items of a comma text, split as ReadColourListText describes.
std::vector<std::string> SplitCommaText(std::string_view text) {
    std::vector<std::string> items;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && IsBlankOrControl(text[i]))
            ++i;
    };
    skipBlanks();
    while (i < text.size()) {
        std::string item;
        if (text[i] == '"') {
            // Quoted: up to the closing quote, a doubled quote standing for one.
            for (++i; i < text.size(); ++i) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        item += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i];
            }
        } else {
            while (i < text.size() && text[i] != ',' && !IsBlankOrControl(text[i]))
                item += text[i++];
        }
        items.push_back(item);
        skipBlanks();
        if (i < text.size() && text[i] == ',') {
            ++i;
            skipBlanks();
            if (i == text.size()) items.emplace_back();  // a comma at the very end
        }
    }
    return items;
}

}  // namespace

std::string ColourListText(const TColourList& colours) {
    std::string text;
    for (int i = 0; i < colours.NumColours; ++i) {
        char item[16];
        std::snprintf(item, sizeof item, "$%08X",
                      static_cast<unsigned>(colours.Slots[static_cast<std::size_t>(i)]));
        if (i > 0) text += ',';
        text += item;
    }
    return text;
}

std::optional<std::int32_t> ReadColourItem(std::string_view item) {
    std::size_t i = 0;
    while (i < item.size() && item[i] == ' ')
        ++i;
    bool negative = false;
    if (i < item.size() && (item[i] == '+' || item[i] == '-')) negative = item[i++] == '-';
    int base = 10;
    if (i < item.size() && (item[i] == '$' || item[i] == 'x' || item[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < item.size() && item[i] == '0' &&
               (item[i + 1] == 'x' || item[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == item.size()) return std::nullopt;
    std::uint64_t value = 0;
    for (; i < item.size(); ++i) {
        const int digit = base == 16 ? HexDigit(item[i])
                                     : (item[i] >= '0' && item[i] <= '9' ? item[i] - '0' : -1);
        if (digit < 0) return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    // Hexadecimal spells the 32 bits themselves; decimal must fit a signed 32-bit value.
    if (base == 10 && value > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return std::nullopt;
    auto bits = static_cast<std::uint32_t>(value);
    if (negative) bits = ~bits + 1;
    return static_cast<std::int32_t>(bits);
}

bool ReadColourListText(std::string_view text, TColourList& colours) {
    const std::vector<std::string> items = SplitCommaText(text);
    const int n = static_cast<int>(std::min<std::size_t>(items.size(), MaxColours));
    colours.NumColours = n;
    for (int i = 0; i < n; ++i) {
        const auto value = ReadColourItem(items[static_cast<std::size_t>(i)]);
        if (!value) {
            colours.NumColours = 0;
            return false;
        }
        colours.Slots[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(*value);
    }
    return true;
}

}  // namespace quillet
