#include "scan/ListEntries.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "scan/FileInfo.h"

namespace quillet {
namespace {

// The owner in front keeps the nodes aligned.
constexpr std::size_t kOwnerSize = sizeof(TFolderList*);
static_assert(alignof(TFolderData) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
static_assert(kOwnerSize % alignof(TFolderData) == 0);
static_assert(sizeof(TFolderData) % alignof(std::uint32_t) == 0);

std::uint32_t Checked(std::size_t count) {
    if (count > UINT32_MAX)
        throw std::length_error("a folder's list holds at most 2^32 - 1 entries");
    return static_cast<std::uint32_t>(count);
}

// Growth without hints: doubling keeps appending linear.
std::uint32_t Grown(std::uint32_t capacity, std::size_t needed) {
    return Checked(std::max<std::size_t>({needed, std::size_t{capacity} * 2, 4}));
}

std::size_t EndSizeFor(std::uint32_t nameBytes) {
    return nameBytes > UINT16_MAX ? sizeof(std::uint32_t) : sizeof(std::uint16_t);
}

}  // namespace

ListEntries::~ListEntries() {
    Clear();
}

TFolderData* ListEntries::Nodes() const {
    return Block_ ? std::launder(reinterpret_cast<TFolderData*>(Block_.get() + kOwnerSize))
                  : nullptr;
}

TFolderList* ListEntries::OwnerOf(const TFolderData* first) {
    TFolderList* owner;
    std::memcpy(&owner, reinterpret_cast<const std::byte*>(first) - kOwnerSize, kOwnerSize);
    return owner;
}

std::size_t ListEntries::EndSize() const {
    return EndSizeFor(NameCapacity_);
}

std::byte* ListEntries::Ends() const {
    return Block_.get() + kOwnerSize + NodeCapacity_ * sizeof(TFolderData);
}

char* ListEntries::Bytes() const {
    return reinterpret_cast<char*>(Ends() + NodeCapacity_ * EndSize());
}

std::uint32_t ListEntries::End(std::size_t index) const {
    if (EndSize() == sizeof(std::uint16_t)) {
        std::uint16_t end;
        std::memcpy(&end, Ends() + index * sizeof end, sizeof end);
        return end;
    }
    std::uint32_t end;
    std::memcpy(&end, Ends() + index * sizeof end, sizeof end);
    return end;
}

void ListEntries::SetEnd(std::size_t index, std::uint32_t end) {
    if (EndSize() == sizeof(std::uint16_t)) {
        const auto narrow = static_cast<std::uint16_t>(end);
        std::memcpy(Ends() + index * sizeof narrow, &narrow, sizeof narrow);
    } else {
        std::memcpy(Ends() + index * sizeof end, &end, sizeof end);
    }
}

std::string_view ListEntries::Name(std::size_t index) const {
    const std::uint32_t begin = index == 0 ? 0 : End(index - 1);
    return std::string_view(Bytes() + begin, End(index) - begin);
}

void ListEntries::Reserve(TFolderList& owner, std::size_t entries, std::size_t nameBytes) {
    const std::uint32_t nodes = Checked(Count_ + entries);
    const std::uint32_t bytes = Checked(NameSize_ + nameBytes);
    if (nodes > NodeCapacity_ || bytes > NameCapacity_) {
        Reallocate(owner, std::max(nodes, NodeCapacity_), std::max(bytes, NameCapacity_));
    }
}

void ListEntries::Append(TFolderList& owner, std::string_view prefix, std::string_view name,
                         TFolderData&& node) {
    const std::size_t length = prefix.size() + name.size();
    if (Count_ == NodeCapacity_ || NameSize_ + length > NameCapacity_) {
        Reallocate(owner,
                   Count_ == NodeCapacity_ ? Grown(NodeCapacity_, Count_ + 1) : NodeCapacity_,
                   NameSize_ + length > NameCapacity_ ? Grown(NameCapacity_, NameSize_ + length)
                                                      : NameCapacity_);
    }
    new (Nodes() + Count_) TFolderData(std::move(node));
    Nodes()[Count_].Index_ = Count_;
    // An empty view may have no data at all, which memcpy must not be given.
    char* end = Bytes() + NameSize_;
    end = std::copy(prefix.begin(), prefix.end(), end);
    std::copy(name.begin(), name.end(), end);
    NameSize_ += static_cast<std::uint32_t>(length);
    SetEnd(Count_++, NameSize_);
}

void ListEntries::Fit(TFolderList& owner) {
    if (Count_ < NodeCapacity_ || NameSize_ < NameCapacity_) Reallocate(owner, Count_, NameSize_);
}

void ListEntries::Clear() {
    TFolderData* nodes = Nodes();
    for (std::uint32_t i = 0; i < Count_; ++i)
        nodes[i].~TFolderData();
    Block_.reset();
    Count_ = NodeCapacity_ = NameSize_ = NameCapacity_ = 0;
}

void ListEntries::Reallocate(TFolderList& owner, std::uint32_t nodes, std::uint32_t nameBytes) {
    const std::size_t endSize = EndSizeFor(nameBytes);
    const std::size_t size = std::size_t{nodes} * (sizeof(TFolderData) + endSize) + nameBytes;
    ListEntries grown;
    if (size) {
        grown.Block_.reset(new std::byte[kOwnerSize + size]);
        TFolderList* const ownerAddress = &owner;
        std::memcpy(grown.Block_.get(), &ownerAddress, kOwnerSize);
    }
    grown.NodeCapacity_ = nodes;
    grown.NameCapacity_ = nameBytes;
    TFolderData* from = Nodes();
    TFolderData* to = grown.Nodes();
    for (std::uint32_t i = 0; i < Count_; ++i) {
        new (to + i) TFolderData(std::move(from[i]));
        grown.SetEnd(i, End(i));
    }
    if (NameSize_) std::memcpy(grown.Bytes(), Bytes(), NameSize_);
    grown.Count_ = Count_;
    grown.NameSize_ = NameSize_;
    std::swap(Block_, grown.Block_);
    std::swap(Count_, grown.Count_);
    std::swap(NodeCapacity_, grown.NodeCapacity_);
    std::swap(NameSize_, grown.NameSize_);
    std::swap(NameCapacity_, grown.NameCapacity_);
}

}  // namespace quillet
