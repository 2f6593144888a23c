// Version resources: the VS_VERSIONINFO block in which Windows programs carry their product
// name, version and the like. Linux has no system calls for them, so they are read here, from
// the RT_VERSION resource of a PE file (.exe, .dll; PE32 and PE32+) or from the ".vsversion"
// section of an ELF file, where this program keeps its own.
//
// Files are untrusted: every offset, length and count read from one is checked against the
// data, so a truncated, looping or hostile file only ever gives "no version data", and so does
// anything that is not a regular file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// The version data of a file (the whole VS_VERSIONINFO block); empty when it has none or
// cannot be read.
std::vector<std::uint8_t> ReadFileVersionInfo(const std::string& fileName);
std::uint32_t FileVersionInfoSize(const std::string& fileName);

// The same from the bytes of a whole file in memory.
std::vector<std::uint8_t> FindVersionInfo(std::span<const std::uint8_t> file);

struct VersionValue {
    std::span<const std::uint8_t> Bytes;  // the value as stored
    bool IsText = false;                  // UTF-16 text rather than binary data
};

// Looks a value up as VerQueryValueW does: "\" gives the fixed file information,
// "\VarFileInfo\Translation" the translation list, "\StringFileInfo\<key>\<name>" a string.
// Names match whatever the case of their letters A to Z.
std::optional<VersionValue> QueryVersionValue(std::span<const std::uint8_t> versionInfo,
                                              std::string_view path);

// A text value up to its first NUL, as UTF-8.
std::string VersionText(const VersionValue& value);

// The name of a translation's string table: language and code page as four upper-case hex
// digits each, "040904E4".
std::string StringTableKey(std::uint16_t language, std::uint16_t codePage);

}  // namespace quillet
