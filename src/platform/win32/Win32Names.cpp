#include "platform/win32/Win32Names.h"

#include <windows.h>

#include <algorithm>

#include "base/Utf8.h"

namespace quillet {
namespace {

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// Whether path names its entry from a drive's root (C:\) or a share (\\server\share) with
// names alone: no "." or "..", no empty name but after a final separator.
bool IsPlainFullPath(std::wstring_view path) {
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && path[2] == L'\\')
        path.remove_prefix(3);
    else if (path.starts_with(L"\\\\"))
        path.remove_prefix(2);
    else
        return false;
    while (!path.empty()) {
        const std::size_t end = std::min(path.find(L'\\'), path.size());
        const std::wstring_view name = path.substr(0, end);
        if (name.empty() || name == L"." || name == L"..") return false;
        path.remove_prefix(std::min(end + 1, path.size()));
    }
    return true;
}

// The path's names, after its drive or its prefix.
std::string_view NamesOf(std::string_view path) {
    if (path.starts_with("\\\\?\\")) path.remove_prefix(4);
    if (path.size() >= 2 && path[1] == ':') path.remove_prefix(2);
    return path;
}

bool HoldsForbiddenCharacter(std::string_view path) {
    for (const char c : NamesOf(path)) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("<>:\"|?*").find(c) != std::string_view::npos)
            return true;
    }
    return false;
}

constexpr const char* kForbiddenCharacterText =
    "a name in its path holds one of < > : \" | ? *, which no Windows name may hold";

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
    if (path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\")) return path;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    if (!IsPlainFullPath(path)) path = FullPathName(path);
    if (!IsPlainFullPath(path)) return path;
    if (path.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + path.substr(2);
    return L"\\\\?\\" + path;
}

std::wstring FullPathName(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return path;
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

std::string ShellNameProblem(std::string_view wtf8Path) {
    if (HoldsForbiddenCharacter(wtf8Path)) return kForbiddenCharacterText;
    std::string_view names = NamesOf(wtf8Path);
    while (!names.empty()) {
        const std::size_t end = std::min(names.find_first_of("\\/"), names.size());
        const std::string_view name = names.substr(0, end);
        if (name != "." && name != ".." && (name.ends_with('.') || name.ends_with(' ')))
            return "the Windows shell cannot reach a name that ends in a dot or a blank";
        names.remove_prefix(std::min(end + 1, names.size()));
    }
    return {};
}

std::string PathErrorText(std::string_view wtf8Path, unsigned long error) {
    if (error == ERROR_INVALID_NAME && HoldsForbiddenCharacter(wtf8Path))
        return kForbiddenCharacterText;
    return SystemErrorText(error);
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
