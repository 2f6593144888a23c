// Minimal PE and ELF files made in memory, carrying a given version block, for the version
// reader's tests.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quillet::test {

using ByteVector = std::vector<std::uint8_t>;

// A PE32 (or PE32+) file whose RT_VERSION resource holds one block per language, in the given
// order; no languages gives a file with an empty resource tree.
ByteVector MakePe(bool plus, const std::vector<std::pair<std::uint16_t, ByteVector>>& languages);
// A PE file with no resource directory at all.
ByteVector MakePeWithoutResources();

// An ELF file with a ".vsversion" section holding block (none when block is empty).
ByteVector MakeElf(bool wide, bool bigEndian, const ByteVector& block);

void WriteFile(const std::string& path, const ByteVector& bytes);

}  // namespace quillet::test
