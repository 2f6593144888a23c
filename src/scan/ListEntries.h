// The entries of one folder's list: its nodes, and their names as one run of bytes with the end
// of each. All three live in one allocation, sized once from the folder's own hints when it is
// scanned, since a tree holds a list for every folder and the bookkeeping of three allocations
// and three containers per list would cost more than the entries of a small folder. The
// allocation begins with the list that owns it: a node finds its list from its own place.
//
// Ownership: the entries own their nodes (and through them the lists of sub-folders). A node's
// address stays valid until the entries are cleared or grow past what was reserved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace quillet {

class TFolderData;
class TFolderList;

class ListEntries {
public:
    ListEntries() = default;
    ~ListEntries();
    ListEntries(const ListEntries&) = delete;
    ListEntries& operator=(const ListEntries&) = delete;

    std::size_t Count() const { return Count_; }
    TFolderData* Nodes() const;  // Count() nodes, in the order they were appended
    std::string_view Name(std::size_t index) const;

    // The list that holds the entries whose first node is first.
    static TFolderList* OwnerOf(const TFolderData* first);

    // Room for this many more entries and name bytes, taken in one step. owner is the list
    // these entries are, the same in every call.
    void Reserve(TFolderList& owner, std::size_t entries, std::size_t nameBytes);
    // Appends a node named prefix + name.
    void Append(TFolderList& owner, std::string_view prefix, std::string_view name,
                TFolderData&& node);
    // Gives back what was reserved and not used; for lists filled without hints.
    void Fit(TFolderList& owner);
    // Frees every node and the allocation.
    void Clear();

private:
    void Reallocate(TFolderList& owner, std::uint32_t nodes, std::uint32_t nameBytes);
    // Where name index ends. The ends take 16 bits each while the names fit in 64 KiB, as
    // nearly every folder's do, and 32 bits beyond.
    std::uint32_t End(std::size_t index) const;
    void SetEnd(std::size_t index, std::uint32_t end);
    std::size_t EndSize() const;
    std::byte* Ends() const;
    char* Bytes() const;

    // [the owner][NodeCapacity_ nodes][NodeCapacity_ name ends][NameCapacity_ name bytes]; name i
    // is the bytes from the end of name i - 1 (0 for the first) to the end of name i.
    std::unique_ptr<std::byte[]> Block_;
    std::uint32_t Count_ = 0;
    std::uint32_t NodeCapacity_ = 0;
    std::uint32_t NameSize_ = 0;
    std::uint32_t NameCapacity_ = 0;
};

}  // namespace quillet
