#include "support/ExecutableImages.h"

#include <fstream>

namespace quillet::test {
namespace {

void Put(ByteVector& out, std::size_t at, std::uint64_t value, int size, bool bigEndian = false) {
    if (out.size() < at + static_cast<std::size_t>(size))
        out.resize(at + static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        const int shift = 8 * (bigEndian ? size - 1 - i : i);
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> shift);
    }
}

void Append(ByteVector& out, const ByteVector& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

constexpr std::uint32_t kResourceRva = 0x1000;
constexpr std::size_t kResourceFileOffset = 0x200;

ByteVector PeHeaders(bool plus, std::uint32_t resourceSize, bool withResources) {
    ByteVector pe(kResourceFileOffset, 0);
    pe[0] = 'M', pe[1] = 'Z';
    Put(pe, 0x3C, 0x40, 4);
    Put(pe, 0x40, 0x00004550, 4);             // "PE\0\0"
    Put(pe, 0x44, plus ? 0x8664 : 0x14C, 2);  // machine
    Put(pe, 0x46, 1, 2);                      // one section
    const std::size_t optionalSize = plus ? 240 : 224;
    Put(pe, 0x54, optionalSize, 2);
    const std::size_t optional = 0x58;
    Put(pe, optional, plus ? 0x20B : 0x10B, 2);
    const std::size_t directories = optional + (plus ? 112 : 96);
    Put(pe, directories - 4, 16, 4);
    if (withResources) {
        Put(pe, directories + 16, kResourceRva, 4);
        Put(pe, directories + 20, resourceSize, 4);
    }
    const std::size_t section = optional + optionalSize;
    for (int i = 0; i < 5; ++i)
        pe[section + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(".rsrc"[i]);
    Put(pe, section + 8, resourceSize, 4);
    Put(pe, section + 12, kResourceRva, 4);
    Put(pe, section + 16, resourceSize, 4);
    Put(pe, section + 20, kResourceFileOffset, 4);
    return pe;
}

}  // namespace

ByteVector MakePe(bool plus, const std::vector<std::pair<std::uint16_t, ByteVector>>& languages) {
    // Directories: type (RT_VERSION) at 0, name (1) at 0x18, languages at 0x30; then one data
    // entry per language, then the data.
    ByteVector tree;
    Put(tree, 14, languages.empty() ? 0 : 1, 2);
    if (!languages.empty()) {
        Put(tree, 16, 16, 4);
        Put(tree, 20, 0x80000000u | 0x18, 4);
        Put(tree, 0x18 + 14, 1, 2);
        Put(tree, 0x18 + 16, 1, 4);
        Put(tree, 0x18 + 20, 0x80000000u | 0x30, 4);
        Put(tree, 0x30 + 14, languages.size(), 2);
        const std::size_t entries = 0x30 + 16 + 8 * languages.size();
        std::size_t data = entries + 16 * languages.size();
        for (std::size_t i = 0; i < languages.size(); ++i) {
            Put(tree, 0x30 + 16 + 8 * i, languages[i].first, 4);
            Put(tree, 0x30 + 20 + 8 * i, entries + 16 * i, 4);
            Put(tree, entries + 16 * i, kResourceRva + data, 4);
            Put(tree, entries + 16 * i + 4, languages[i].second.size(), 4);
            tree.resize(data);
            Append(tree, languages[i].second);
            data = (tree.size() + 3) & ~std::size_t{3};
        }
    }
    tree.resize(std::max<std::size_t>(tree.size(), 16));
    ByteVector pe = PeHeaders(plus, static_cast<std::uint32_t>(tree.size()), true);
    Append(pe, tree);
    return pe;
}

ByteVector MakePeWithoutResources() {
    return PeHeaders(false, 0, false);
}

ByteVector MakeElf(bool wide, bool bigEndian, const ByteVector& block) {
    const std::string names = std::string("\0.shstrtab\0.vsversion\0", 22);
    const std::size_t header = wide ? 64 : 52;
    const std::size_t entry = wide ? 64 : 40;
    ByteVector elf(header, 0);
    elf[0] = 0x7F, elf[1] = 'E', elf[2] = 'L', elf[3] = 'F';
    elf[4] = wide ? 2 : 1;
    elf[5] = bigEndian ? 2 : 1;
    elf[6] = 1;
    const std::size_t namesOffset = elf.size();
    elf.insert(elf.end(), names.begin(), names.end());
    const std::size_t blockOffset = elf.size();
    Append(elf, block);
    while (elf.size() % 8)
        elf.push_back(0);
    const std::size_t table = elf.size();
    const std::size_t count = block.empty() ? 2 : 3;
    elf.resize(table + count * entry, 0);
    const auto put = [&](std::size_t at, std::uint64_t value, int size) {
        Put(elf, at, value, size, bigEndian);
    };
    put(wide ? 0x28 : 0x20, table, wide ? 8 : 4);
    put(wide ? 0x3A : 0x2E, entry, 2);
    put(wide ? 0x3C : 0x30, count, 2);
    put(wide ? 0x3E : 0x32, 1, 2);
    const auto section = [&](std::size_t index, std::uint32_t name, std::uint32_t type,
                             std::size_t offset, std::size_t size) {
        const std::size_t at = table + index * entry;
        put(at, name, 4);
        put(at + 4, type, 4);
        put(at + (wide ? 24 : 16), offset, wide ? 8 : 4);
        put(at + (wide ? 32 : 20), size, wide ? 8 : 4);
    };
    section(1, 1, 3, namesOffset, names.size());                       // SHT_STRTAB
    if (!block.empty()) section(2, 11, 1, blockOffset, block.size());  // SHT_PROGBITS
    return elf;
}

void WriteFile(const std::string& path, const ByteVector& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace quillet::test
