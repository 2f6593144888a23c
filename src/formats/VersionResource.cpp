#include "formats/VersionResource.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>

#include "base/AsciiCase.h"
#include "base/Utf8.h"
#include "platform/RegularFile.h"

namespace quillet {
namespace {

using Bytes = std::span<const std::uint8_t>;

// The version block's lengths are 16-bit: nothing larger is ever read as one.
constexpr std::uint64_t kMaxVersionInfo = 0xFFFF;

// Where file bytes come from: memory (tests, fuzzing) or an open file, read piece by piece so
// that a large executable is never loaded whole. Reads past the end fail.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual bool Read(std::uint64_t offset, std::size_t size, std::uint8_t* out) const = 0;

    std::optional<std::uint64_t> Number(std::uint64_t offset, int size,
                                        bool bigEndian = false) const {
        std::uint8_t bytes[8];
        if (!Read(offset, static_cast<std::size_t>(size), bytes)) return std::nullopt;
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i) {
            value = value << 8 | bytes[bigEndian ? i : size - 1 - i];
        }
        return value;
    }
    std::optional<std::vector<std::uint8_t>> Range(std::uint64_t offset, std::uint64_t size) const {
        size = std::min(size, kMaxVersionInfo);
        std::vector<std::uint8_t> bytes(size);
        if (!Read(offset, bytes.size(), bytes.data())) return std::nullopt;
        return bytes;
    }
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(Bytes data) : Data_(data) {}
    bool Read(std::uint64_t offset, std::size_t size, std::uint8_t* out) const override {
        if (offset > Data_.size() || Data_.size() - offset < size) return false;
        std::copy_n(Data_.data() + offset, size, out);
        return true;
    }

private:
    Bytes Data_;
};

class FileSource final : public ByteSource {
public:
    explicit FileSource(const std::string& fileName) : Fd_(OpenRegularFileForReading(fileName)) {}
    ~FileSource() override {
        if (Fd_ >= 0) close(Fd_);
    }
    bool Read(std::uint64_t offset, std::size_t size, std::uint8_t* out) const override {
        if (Fd_ < 0 || offset > static_cast<std::uint64_t>(INT64_MAX) - size) return false;
        while (size > 0) {
            const long long n = ReadFileAt(Fd_, out, size, offset);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            out += n;
            offset += static_cast<std::uint64_t>(n);
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }

private:
    int Fd_;
};

// ---- PE: the resource tree, type RT_VERSION, first name, first language.

constexpr std::uint32_t kRtVersion = 16;

struct PeSections {
    const ByteSource& File;
    std::uint64_t Table = 0;  // file offset of the section table
    std::uint32_t Count = 0;

    // The file offset of a relative virtual address, when size bytes from there lie in the
    // section's data.
    std::optional<std::uint64_t> Offset(std::uint64_t rva, std::uint64_t size) const {
        for (std::uint32_t i = 0; i < Count; ++i) {
            const std::uint64_t header = Table + 40ull * i;
            const auto virtualSize = File.Number(header + 8, 4);
            const auto virtualAddress = File.Number(header + 12, 4);
            const auto rawSize = File.Number(header + 16, 4);
            const auto rawOffset = File.Number(header + 20, 4);
            if (!virtualSize || !virtualAddress || !rawSize || !rawOffset) return std::nullopt;
            const std::uint64_t extent = std::max(*virtualSize, *rawSize);
            if (rva < *virtualAddress || rva - *virtualAddress >= extent) continue;
            const std::uint64_t into = rva - *virtualAddress;
            if (into + size > *rawSize) return std::nullopt;
            return *rawOffset + into;
        }
        return std::nullopt;
    }
};

// The resource tree as the file holds it: offsets inside it are checked against its size.
struct PeResources {
    const ByteSource& File;
    std::uint64_t Base = 0;
    std::uint64_t Size = 0;

    std::optional<std::uint64_t> Number(std::uint64_t offset, int size) const {
        if (offset + static_cast<std::uint64_t>(size) > Size) return std::nullopt;
        return File.Number(Base + offset, size);
    }

    // The target of a directory's entry: the first of the wanted ids that it has, otherwise
    // (unless the id is required) its first entry.
    std::optional<std::uint32_t> Entry(std::uint64_t directory,
                                       std::initializer_list<std::uint32_t> wanted,
                                       bool required) const {
        const auto named = Number(directory + 12, 2);
        const auto numbered = Number(directory + 14, 2);
        if (!named || !numbered) return std::nullopt;
        const std::uint64_t count = *named + *numbered;
        std::optional<std::uint32_t> first;
        for (std::uint32_t id : wanted) {
            for (std::uint64_t i = 0; i < count; ++i) {
                const std::uint64_t entry = directory + 16 + 8 * i;
                const auto name = Number(entry, 4);
                const auto target = Number(entry + 4, 4);
                if (!name || !target) return std::nullopt;
                if (i == 0) first = static_cast<std::uint32_t>(*target);
                if (*name == id && i >= *named) return static_cast<std::uint32_t>(*target);
            }
        }
        return required ? std::nullopt : first;
    }
};

std::optional<std::vector<std::uint8_t>> FindInPe(const ByteSource& file) {
    const auto peOffset = file.Number(0x3C, 4);
    if (!peOffset || file.Number(*peOffset, 4) != 0x00004550u) return std::nullopt;  // "PE\0\0"
    const std::uint64_t coff = *peOffset + 4;
    const auto sectionCount = file.Number(coff + 2, 2);
    const auto optionalSize = file.Number(coff + 16, 2);
    const std::uint64_t optional = coff + 20;
    const auto magic = file.Number(optional, 2);
    if (!sectionCount || !optionalSize || !magic) return std::nullopt;
    std::uint64_t directories;
    if (*magic == 0x10B) {
        directories = 96;  // PE32
    } else if (*magic == 0x20B) {
        directories = 112;  // PE32+
    } else {
        return std::nullopt;
    }
    const auto directoryCount = file.Number(optional + directories - 4, 4);
    if (!directoryCount || *directoryCount < 3 || directories + 3 * 8 > *optionalSize) {
        return std::nullopt;
    }
    const auto resourceRva = file.Number(optional + directories + 16, 4);
    const auto resourceSize = file.Number(optional + directories + 20, 4);
    if (!resourceRva || !resourceSize || *resourceRva == 0) return std::nullopt;

    const PeSections sections{file, optional + *optionalSize,
                              static_cast<std::uint32_t>(*sectionCount)};
    const auto base = sections.Offset(*resourceRva, *resourceSize);
    if (!base) return std::nullopt;
    const PeResources resources{file, *base, *resourceSize};

    // Three levels (type, name, language), each a subdirectory but the last; a fixed walk, so
    // a directory that points back at itself cannot make it loop. As Windows does for a
    // neutral request, the language-neutral data is taken first, then US English, then any.
    std::uint64_t at = 0;
    for (int level = 0; level < 3; ++level) {
        std::optional<std::uint32_t> target;
        if (level == 0) target = resources.Entry(at, {kRtVersion}, true);
        if (level == 1) target = resources.Entry(at, {1}, false);
        if (level == 2) target = resources.Entry(at, {0x0000, 0x0400, 0x0800, 0x0409}, false);
        if (!target) return std::nullopt;
        const bool subdirectory = *target & 0x80000000u;
        if (subdirectory != (level < 2)) return std::nullopt;
        at = *target & 0x7FFFFFFFu;
    }
    const auto dataRva = resources.Number(at, 4);
    const auto dataSize = resources.Number(at + 4, 4);
    if (!dataRva || !dataSize) return std::nullopt;
    const auto dataOffset = sections.Offset(*dataRva, *dataSize);
    if (!dataOffset) return std::nullopt;
    return file.Range(*dataOffset, *dataSize);
}

// ---- ELF: the section named ".vsversion".

constexpr std::string_view kElfSection = ".vsversion";

std::optional<std::vector<std::uint8_t>> FindInElf(const ByteSource& file) {
    const auto elfClass = file.Number(4, 1);
    const auto encoding = file.Number(5, 1);
    if (!elfClass || !encoding || (*elfClass != 1 && *elfClass != 2) ||
        (*encoding != 1 && *encoding != 2)) {
        return std::nullopt;
    }
    const bool wide = *elfClass == 2;
    const bool bigEndian = *encoding == 2;
    const auto read = [&](std::uint64_t offset, int size) {
        return file.Number(offset, size, bigEndian);
    };
    const int word = wide ? 8 : 4;  // addresses and offsets
    const auto tableOffset = read(wide ? 0x28 : 0x20, word);
    const auto entrySize = read(wide ? 0x3A : 0x2E, 2);
    auto count = read(wide ? 0x3C : 0x30, 2);
    auto namesIndex = read(wide ? 0x3E : 0x32, 2);
    if (!tableOffset || !entrySize || !count || !namesIndex) return std::nullopt;
    if (*entrySize < static_cast<std::uint64_t>(wide ? 64 : 40)) return std::nullopt;

    struct Section {
        std::uint64_t Name, Type, Offset, Size, Link;
    };
    const auto section = [&](std::uint64_t index) -> std::optional<Section> {
        if (index > (UINT64_MAX - *tableOffset) / *entrySize) return std::nullopt;
        const std::uint64_t at = *tableOffset + index * *entrySize;
        const auto name = read(at, 4);
        const auto type = read(at + 4, 4);
        const auto offset = read(at + (wide ? 24 : 16), word);
        const auto size = read(at + (wide ? 32 : 20), word);
        const auto link = read(at + (wide ? 40 : 24), 4);
        if (!name || !type || !offset || !size || !link) return std::nullopt;
        return Section{*name, *type, *offset, *size, *link};
    };
    // Many sections: the real count and name table index stand in section 0.
    if (*count == 0 || *namesIndex == 0xFFFF) {
        const auto first = section(0);
        if (!first) return std::nullopt;
        if (*count == 0) count = first->Size;
        if (*namesIndex == 0xFFFF) namesIndex = first->Link;
    }
    if (*count > 0x10000 || *namesIndex >= *count) return std::nullopt;
    const auto names = section(*namesIndex);
    if (!names) return std::nullopt;

    for (std::uint64_t i = 0; i < *count; ++i) {
        const auto s = section(i);
        if (!s) return std::nullopt;
        if (s->Type == 8 || s->Name >= names->Size) continue;  // SHT_NOBITS holds no bytes
        char name[kElfSection.size() + 1];
        if (names->Size - s->Name < sizeof name ||
            !file.Read(names->Offset + s->Name, sizeof name,
                       reinterpret_cast<std::uint8_t*>(name))) {
            continue;
        }
        if (std::string_view(name, sizeof name) == std::string_view(".vsversion\0", sizeof name)) {
            return file.Range(s->Offset, s->Size);
        }
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> FindInFile(const ByteSource& file) {
    std::optional<std::vector<std::uint8_t>> found;
    if (file.Number(0, 2) == 0x5A4Du) {  // "MZ"
        found = FindInPe(file);
    } else if (file.Number(0, 4) == 0x464C457Fu) {  // "\x7F" "ELF"
        found = FindInElf(file);
    }
    return found;
}

// ---- The version block: nested blocks of length, value length, type, key, value, children.

std::optional<std::uint64_t> ReadLe(Bytes data, std::uint64_t offset, int size) {
    return MemorySource(data).Number(offset, size);
}

struct Block {
    Bytes Data;                // the whole block, wLength bytes
    std::uint64_t KeyEnd = 0;  // offset just past the key's NUL
    std::uint16_t ValueLength = 0;
    std::uint16_t Type = 0;
};

std::uint64_t Align4(std::uint64_t n) {
    return (n + 3) & ~std::uint64_t{3};
}

std::optional<Block> ParseBlock(Bytes data) {
    const auto length = ReadLe(data, 0, 2);
    const auto valueLength = ReadLe(data, 2, 2);
    const auto type = ReadLe(data, 4, 2);
    if (!length || !valueLength || !type || *length < 6 || *length > data.size())
        return std::nullopt;
    Block block{data.first(*length), 0, static_cast<std::uint16_t>(*valueLength),
                static_cast<std::uint16_t>(*type)};
    for (std::uint64_t at = 6;; at += 2) {
        const auto unit = ReadLe(block.Data, at, 2);
        if (!unit) return std::nullopt;
        if (*unit == 0) {
            block.KeyEnd = at + 2;
            return block;
        }
    }
}

bool KeyMatches(const Block& block, std::string_view name) {
    if ((block.KeyEnd - 8) / 2 != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto unit = *ReadLe(block.Data, 6 + 2 * i, 2);
        if (unit > 0x7F || LowerAscii(static_cast<char>(unit)) != LowerAscii(name[i])) return false;
    }
    return true;
}

// Value bytes, clamped to the block.
Bytes ValueOf(const Block& block) {
    const std::uint64_t start = Align4(block.KeyEnd);
    if (start >= block.Data.size()) return {};
    const std::uint64_t wanted = block.Type == 1 ? 2ull * block.ValueLength : block.ValueLength;
    return block.Data.subspan(start, std::min(wanted, block.Data.size() - start));
}

std::optional<Block> Child(const Block& parent, std::string_view name) {
    const std::uint64_t valueBytes =
        parent.Type == 1 ? 2ull * parent.ValueLength : parent.ValueLength;
    std::uint64_t at = Align4(Align4(parent.KeyEnd) + valueBytes);
    while (at < parent.Data.size()) {
        const auto child = ParseBlock(parent.Data.subspan(at));
        if (!child) return std::nullopt;
        if (KeyMatches(*child, name)) return child;
        at = Align4(at + child->Data.size());  // each child is at least 6 bytes: no loop
    }
    return std::nullopt;
}

// The root block alone, or nothing when the data does not begin with a whole block.
std::vector<std::uint8_t> TrimmedToRoot(const std::optional<std::vector<std::uint8_t>>& found) {
    if (!found) return {};
    const auto root = ParseBlock(*found);
    if (!root) return {};
    return {root->Data.begin(), root->Data.end()};
}

}  // namespace

std::vector<std::uint8_t> FindVersionInfo(Bytes file) {
    return TrimmedToRoot(FindInFile(MemorySource(file)));
}

std::optional<VersionValue> QueryVersionValue(Bytes versionInfo, std::string_view path) {
    auto block = ParseBlock(versionInfo);
    while (block && !path.empty()) {
        while (!path.empty() && path.front() == '\\')
            path.remove_prefix(1);
        if (path.empty()) break;
        const auto end = path.find('\\');
        block = Child(*block, path.substr(0, end));
        path = end == std::string_view::npos ? std::string_view() : path.substr(end);
    }
    if (!block) return std::nullopt;
    return VersionValue{ValueOf(*block), block->Type == 1};
}

std::string VersionText(const VersionValue& value) {
    std::string text;
    for (std::size_t i = 0; i + 1 < value.Bytes.size(); i += 2) {
        char32_t unit = value.Bytes[i] | value.Bytes[i + 1] << 8;
        if (unit == 0) break;
        if (IsHighSurrogate(unit) && i + 3 < value.Bytes.size()) {
            const char32_t low = value.Bytes[i + 2] | value.Bytes[i + 3] << 8;
            if (IsLowSurrogate(low)) {
                unit = SurrogatePairCode(unit, low);
                i += 2;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) unit = 0xFFFD;  // a lone surrogate
        AppendUtf8(text, unit);
    }
    return text;
}

std::string StringTableKey(std::uint16_t language, std::uint16_t codePage) {
    char key[16];
    std::snprintf(key, sizeof key, "%4.4X%4.4X", static_cast<unsigned>(language),
                  static_cast<unsigned>(codePage));
    return key;
}

std::vector<std::uint8_t> ReadFileVersionInfo(const std::string& fileName) {
    return TrimmedToRoot(FindInFile(FileSource(fileName)));
}

std::uint32_t FileVersionInfoSize(const std::string& fileName) {
    return static_cast<std::uint32_t>(ReadFileVersionInfo(fileName).size());
}

}  // namespace quillet
