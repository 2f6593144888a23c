#include "platform/win32/Win32Names.h"

#include <windows.h>

#include "base/Utf8.h"

namespace quillet {
namespace {

// The longest path the calls take without the \\?\ prefix, less room for "\*" or a name.
constexpr std::size_t kPlainPathLimit = MAX_PATH - 14;

}  // namespace

std::string Wtf8FromWide(std::wstring_view wide) {
    std::string out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t c = static_cast<char16_t>(wide[i]);
        if (IsHighSurrogate(c) && i + 1 < wide.size() &&
            IsLowSurrogate(static_cast<char16_t>(wide[i + 1]))) {
            c = SurrogatePairCode(c, static_cast<char16_t>(wide[++i]));
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::wstring WideFromWtf8(std::string_view wtf8) {
    std::wstring out;
    out.reserve(wtf8.size());
    std::size_t i = 0;
    while (i < wtf8.size()) {
        const auto lead = static_cast<unsigned char>(wtf8[i]);
        const int length = lead < 0x80                   ? 1
                           : lead >= 0xF0 && lead < 0xF5 ? 4
                           : lead >= 0xE0                ? 3
                           : lead >= 0xC2 && lead < 0xE0 ? 2
                                                         : 0;
        char32_t c = length == 4 ? lead & 0x07 : length == 3 ? lead & 0x0F : lead & 0x1F;
        bool whole = length > 0 && i + static_cast<std::size_t>(length) <= wtf8.size();
        for (int k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(wtf8[i + static_cast<std::size_t>(k)]);
            whole = IsUtf8Continuation(static_cast<char>(next));
            c = (c << 6) | (next & 0x3F);
        }
        if (length == 1) c = lead;
        // Overlong forms and values past U+10FFFF are no encoding of a name.
        if (whole && ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF))))
            whole = false;
        if (!whole) {
            out += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<wchar_t>(c);
        }
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::wstring Win32Path(std::string_view wtf8Path) {
    std::wstring path = WideFromWtf8(wtf8Path);
    if (path.size() < kPlainPathLimit || path.starts_with(L"\\\\?\\")) return path;
    if (path.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + path.substr(2);
    return L"\\\\?\\" + path;
}

std::string WithoutFolderEnd(std::string_view path) {
    while (path.size() > 1 && (path.back() == '\\' || path.back() == '/') &&
           !(path.size() == 3 && path[1] == ':'))
        path.remove_suffix(1);
    return std::string(path);
}

std::string SystemErrorText(unsigned long error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                             text.back() == L'.'))
        text.pop_back();
    if (text.empty()) return "Error " + std::to_string(error);
    return Wtf8FromWide(text);
}

}  // namespace quillet
