// Writes a VS_VERSIONINFO block in its published layout: what the build embeds as the
// program's own version data, and what tests feed the reader.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quillet {

struct VersionStringTable {
    std::string Key;  // language and code page as eight hex digits, e.g. "040904E4"
    std::vector<std::pair<std::string, std::string>> Strings;  // name, value (UTF-8)
};

struct VersionInfoContents {
    std::array<std::uint16_t, 4> FileVersion{};  // major, minor, patch, build
    std::uint32_t FileType = 1;                  // an application
    std::vector<VersionStringTable> Tables;
    // The value of "\VarFileInfo\Translation" as stored: normally 4 bytes per translation,
    // the language in the low word.
    std::vector<std::uint8_t> Translation;
};

std::vector<std::uint8_t> WriteVersionInfo(const VersionInfoContents& contents);

// Translation words as the value of "\VarFileInfo\Translation".
std::vector<std::uint8_t> TranslationValue(const std::vector<std::uint32_t>& words);

}  // namespace quillet
