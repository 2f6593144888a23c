#include "formats/VersionInfoWriter.h"

namespace quillet {
namespace {

std::u16string Utf16(const std::string& utf8) {
    std::u16string text;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        std::uint32_t c;
        int extra;
        if (byte < 0x80) {
            c = byte, extra = 0;
        } else if (byte >= 0xF0) {
            c = byte & 0x07u, extra = 3;
        } else if (byte >= 0xE0) {
            c = byte & 0x0Fu, extra = 2;
        } else {
            c = byte & 0x1Fu, extra = 1;
        }
        ++i;
        for (int k = 0; k < extra && i < utf8.size(); ++k, ++i) {
            c = c << 6 | (static_cast<unsigned char>(utf8[i]) & 0x3Fu);
        }
        if (c >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            text += static_cast<char16_t>(c);
        }
    }
    return text;
}

struct Node {
    std::string Key;
    bool IsText = false;
    std::vector<std::uint8_t> Value;  // text values: UTF-16 with their NUL
    std::vector<Node> Children;
};

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::size_t value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Pad4(std::vector<std::uint8_t>& out) {
    while (out.size() % 4)
        out.push_back(0);
}

void Write(const Node& node, std::vector<std::uint8_t>& out) {
    Pad4(out);
    const std::size_t start = out.size();
    out.resize(start + 6);
    for (char16_t unit : Utf16(node.Key) + u'\0') {
        out.push_back(static_cast<std::uint8_t>(unit));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    Pad4(out);
    out.insert(out.end(), node.Value.begin(), node.Value.end());
    for (const Node& child : node.Children)
        Write(child, out);
    Put16(out, start, out.size() - start);
    Put16(out, start + 2, node.IsText ? node.Value.size() / 2 : node.Value.size());
    Put16(out, start + 4, node.IsText ? 1 : 0);
}

Node Text(const std::string& key, const std::string& value) {
    Node node{key, true, {}, {}};
    for (char16_t unit : Utf16(value) + u'\0') {
        node.Value.push_back(static_cast<std::uint8_t>(unit));
        node.Value.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return node;
}

std::vector<std::uint8_t> Words(const std::vector<std::uint32_t>& words) {
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t w : words) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(w >> shift));
    }
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> TranslationValue(const std::vector<std::uint32_t>& words) {
    return Words(words);
}

std::vector<std::uint8_t> WriteVersionInfo(const VersionInfoContents& contents) {
    const auto& v = contents.FileVersion;
    const std::uint32_t high = static_cast<std::uint32_t>(v[0]) << 16 | v[1];
    const std::uint32_t low = static_cast<std::uint32_t>(v[2]) << 16 | v[3];
    // VS_FIXEDFILEINFO: signature, structure version, file and product versions, flags mask,
    // flags, OS, type, subtype, date.
    Node root{"VS_VERSION_INFO",
              false,
              Words({0xFEEF04BD, 0x00010000, high, low, high, low, 0x3F, 0, 0, contents.FileType, 0,
                     0, 0}),
              {}};
    if (!contents.Tables.empty()) {
        Node strings{"StringFileInfo", true, {}, {}};
        for (const VersionStringTable& table : contents.Tables) {
            Node node{table.Key, true, {}, {}};
            for (const auto& [name, value] : table.Strings)
                node.Children.push_back(Text(name, value));
            strings.Children.push_back(node);
        }
        root.Children.push_back(strings);
    }
    Node variables{"VarFileInfo", true, {}, {}};
    variables.Children.push_back(Node{"Translation", false, contents.Translation, {}});
    root.Children.push_back(variables);
    std::vector<std::uint8_t> out;
    Write(root, out);
    return out;
}

}  // namespace quillet
