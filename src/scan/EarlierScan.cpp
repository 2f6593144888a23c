#include "scan/EarlierScan.h"

#include <algorithm>
#include <functional>

#include "base/AsciiCase.h"
#include "scan/FileAccounting.h"
#include "scan/SpecialEntries.h"

namespace quillet {

// 16 bytes an entry: a file keeps its allocated size as the slack above its nominal size,
// which is below a cluster for nearly every file; a folder keeps its sizes in its Folder.
struct EarlierScan::Entry {
    std::uint32_t NameEnd;        // in the folder's names
    std::uint32_t SlackOrFolder;  // a folder's index; a file's slack, kLargeSlack if it is not
    ByteCount Nominal;            // a file's
};

struct EarlierScan::Folder {
    const Entry* Entries;
    const char* Names;
    std::uint32_t Count;
    std::int32_t FileCount;
    ByteCount Nominal;
    ByteCount Allocated;
};

namespace {

constexpr std::uint32_t kLargeSlack = UINT32_MAX;
constexpr std::size_t kBlockSize = std::size_t{1} << 20;

bool IsFolderName(std::string_view name) {
    return !name.empty() && name.front() == kFolderMark;
}

}  // namespace

EarlierScan::EarlierScan() = default;
EarlierScan::~EarlierScan() = default;
EarlierScan::EarlierScan(EarlierScan&&) noexcept = default;
EarlierScan& EarlierScan::operator=(EarlierScan&&) noexcept = default;

EarlierScan::Sizes EarlierScan::FolderSizes(FolderIndex folder) const {
    const Folder& f = Folders_[folder];
    return {f.Nominal, f.Allocated, f.FileCount};
}

int EarlierScan::Count(FolderIndex folder) const {
    return static_cast<int>(Folders_[folder].Count);
}

std::string_view EarlierScan::Name(FolderIndex folder, int entry) const {
    const Folder& f = Folders_[folder];
    const std::uint32_t start = entry == 0 ? 0 : f.Entries[entry - 1].NameEnd;
    return {f.Names + start, f.Entries[entry].NameEnd - start};
}

EarlierScan::Sizes EarlierScan::EntrySizes(FolderIndex folder, int entry) const {
    const Entry& e = Folders_[folder].Entries[entry];
    if (IsFolderName(Name(folder, entry))) return FolderSizes(e.SlackOrFolder);
    if (e.SlackOrFolder != kLargeSlack) return {e.Nominal, e.Nominal + e.SlackOrFolder, 1};
    const auto large =
        std::lower_bound(LargeAllocations_.begin(), LargeAllocations_.end(), &e,
                         [](const std::pair<const Entry*, ByteCount>& a, const Entry* b) {
                             return std::less<const Entry*>()(a.first, b);
                         });
    return {e.Nominal, large->second, 1};
}

EarlierScan::FolderIndex EarlierScan::SubFolder(FolderIndex folder, int entry) const {
    if (!IsFolderName(Name(folder, entry))) return kNoFolder;
    return Folders_[folder].Entries[entry].SlackOrFolder;
}

int EarlierScan::Find(FolderIndex folder, std::string_view name, int occurrence) const {
    for (int i = 0; i < Count(folder); ++i) {
        if (Name(folder, i) == name && occurrence-- == 0) return i;
    }
    return -1;
}

bool IsPathWithin(std::string_view path, std::string_view base) {
    if (base.empty() || path.size() < base.size()) return false;
    // Windows ignores letter case in paths.
    return kPathSeparator == '\\' ? SameIgnoringAsciiCase(path.substr(0, base.size()), base)
                                  : path.substr(0, base.size()) == base;
}

EarlierScan::FolderIndex EarlierScan::FolderAt(std::string_view path) const {
    if (Folders_.empty() || !IsPathWithin(path, RootPath)) return kNoFolder;
    FolderIndex folder = RootIndex_;
    std::string name;
    for (std::string_view rest = path.substr(RootPath.size()); !rest.empty();) {
        const std::size_t end = std::min(rest.find(kPathSeparator), rest.size());
        name.assign(1, kFolderMark).append(rest.substr(0, end));
        const int entry = Find(folder, name);
        if (entry < 0) return kNoFolder;
        folder = SubFolder(folder, entry);
        if (folder == kNoFolder) return kNoFolder;
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return folder;
}

EarlierScan::FolderIndex EarlierScan::FolderOf(const TFolderList& list) const {
    if (ByPath_) {
        const TFolderList* root = &list;
        while (root->Parent)
            root = root->Parent;
        const std::string rootPath = root->Path();
        if (IsPathWithin(rootPath, RootPath) || IsPathWithin(RootPath, rootPath))
            return FolderAt(list.Path());
    }
    // The way down from the root: each folder's name in its parent, and how many entries of
    // that name come before it there (any at all only in a hand-made export's import).
    struct Step {
        std::string_view Name;
        int Occurrence;
    };
    std::vector<Step> steps;
    for (const TFolderList* child = &list; child->Parent; child = child->Parent) {
        const TFolderList& parent = *child->Parent;
        const int index = child->IndexInParent();
        if (index < 0) return kNoFolder;
        const std::string_view name = parent.Name(index);
        int occurrence = 0;
        for (int i = 0; i < index; ++i)
            occurrence += parent.Name(i) == name ? 1 : 0;
        steps.push_back({name, occurrence});
    }
    FolderIndex folder = Root();
    for (auto step = steps.rbegin(); step != steps.rend() && folder != kNoFolder; ++step) {
        const int entry = Find(folder, step->Name, step->Occurrence);
        folder = entry < 0 ? kNoFolder : SubFolder(folder, entry);
    }
    return folder;
}

// What a folder holds while it is open: its entries as they come, names in one buffer.
struct EarlierScan::Builder::Pending {
    std::uint32_t NameStart;
    std::uint32_t NameEnd;
    std::uint32_t Folder;  // kNoFolder for a file
    ByteCount Nominal;
    ByteCount Allocated;
};

struct EarlierScan::Builder::Frame {
    std::string Name;
    std::string Names;
    std::vector<Pending> Entries;
    ByteCount Nominal = 0;
    ByteCount Allocated = 0;
    std::int32_t FileCount = 0;
};

EarlierScan::Builder::Builder() = default;
EarlierScan::Builder::~Builder() = default;

void EarlierScan::Builder::OpenFolder(std::string_view name) {
    if (Frames_.size() == Depth_) Frames_.emplace_back();
    Frame& frame = Frames_[Depth_++];
    frame.Name.assign(1, kFolderMark).append(name);
    frame.Names.clear();
    frame.Entries.clear();
    frame.Nominal = frame.Allocated = 0;
    frame.FileCount = 0;
}

void EarlierScan::Builder::AddFile(std::string_view name, ByteCount nominal, ByteCount allocated) {
    Frame& frame = Frames_[Depth_ - 1];
    const auto start = static_cast<std::uint32_t>(frame.Names.size());
    frame.Names.append(name);
    frame.Entries.push_back(Pending{start, static_cast<std::uint32_t>(frame.Names.size()),
                                    kNoFolder, nominal, allocated});
    frame.Nominal = AddBytes(frame.Nominal, nominal);
    frame.Allocated = AddBytes(frame.Allocated, allocated);
    frame.FileCount += 1;
}

char* EarlierScan::Builder::Allocate(std::size_t bytes, std::size_t alignment) {
    BlockUsed_ = (BlockUsed_ + alignment - 1) / alignment * alignment;
    if (Scan_.Blocks_.empty() || BlockUsed_ + bytes > BlockSize_) {
        BlockSize_ = std::max(bytes, kBlockSize);
        Scan_.Blocks_.push_back(std::make_unique_for_overwrite<char[]>(BlockSize_));
        BlockUsed_ = 0;
    }
    char* at = Scan_.Blocks_.back().get() + BlockUsed_;
    BlockUsed_ += bytes;
    return at;
}

void EarlierScan::Builder::CloseFolder() {
    Frame& frame = Frames_[--Depth_];
    auto* entries =
        reinterpret_cast<Entry*>(Allocate(frame.Entries.size() * sizeof(Entry), alignof(Entry)));
    char* names = Allocate(frame.Names.size(), 1);
    std::copy(frame.Names.begin(), frame.Names.end(), names);
    for (std::size_t i = 0; i < frame.Entries.size(); ++i) {
        const Pending& p = frame.Entries[i];
        Entry& e = entries[i];
        e.NameEnd = p.NameEnd;
        e.Nominal = p.Nominal;
        e.SlackOrFolder = p.Folder;
        if (p.Folder != kNoFolder) continue;
        const ByteCount slack = p.Allocated - p.Nominal;
        if (slack >= 0 && slack < kLargeSlack) {
            e.SlackOrFolder = static_cast<std::uint32_t>(slack);
        } else {
            e.SlackOrFolder = kLargeSlack;
            Scan_.LargeAllocations_.emplace_back(&e, p.Allocated);
        }
    }
    Scan_.Folders_.push_back(Folder{entries, names,
                                    static_cast<std::uint32_t>(frame.Entries.size()),
                                    frame.FileCount, frame.Nominal, frame.Allocated});
    const auto index = static_cast<FolderIndex>(Scan_.Folders_.size() - 1);
    if (Depth_ == 0) {
        Scan_.RootIndex_ = Scan_.StartIndex_ = index;
        return;
    }
    Frame& parent = Frames_[Depth_ - 1];
    const auto start = static_cast<std::uint32_t>(parent.Names.size());
    parent.Names.append(frame.Name);
    parent.Entries.push_back(Pending{start, static_cast<std::uint32_t>(parent.Names.size()), index,
                                     frame.Nominal, frame.Allocated});
    parent.Nominal = AddBytes(parent.Nominal, frame.Nominal);
    parent.Allocated = AddBytes(parent.Allocated, frame.Allocated);
    parent.FileCount += frame.FileCount;
}

EarlierScan EarlierScan::Builder::Finish() {
    std::sort(Scan_.LargeAllocations_.begin(), Scan_.LargeAllocations_.end(),
              [](const std::pair<const Entry*, ByteCount>& a,
                 const std::pair<const Entry*, ByteCount>& b) {
                  return std::less<const Entry*>()(a.first, b.first);
              });
    Frames_.clear();
    return std::move(Scan_);
}

EarlierScan EarlierScanOf(const TFolderList& root, std::int64_t timestamp) {
    EarlierScan::Builder builder;
    struct Level {
        const TFolderList* List;
        int Next;
    };
    std::vector<Level> open{{&root, 0}};
    builder.OpenFolder({});
    while (!open.empty()) {
        Level& level = open.back();
        if (level.Next == level.List->Count()) {
            open.pop_back();
            builder.CloseFolder();
            continue;
        }
        const int i = level.Next++;
        const TFolderData& node = level.List->Node(i);
        const std::string_view name = level.List->Name(i);
        if (node.Children()) {
            builder.OpenFolder(name.substr(1));
            open.push_back({node.Children(), 0});
        } else if (!IsBackEntry(node) && !IsFreeSpaceEntry(node)) {
            builder.AddFile(name, node.Nominal(), node.Allocated());
        }
    }
    EarlierScan scan = builder.Finish();
    scan.RootPath = root.Path();
    scan.Timestamp = timestamp;
    return scan;
}

EarlierScan EarlierScan::CountedAgain(const TScanOptions& counting) const {
    Builder builder;
    struct Level {
        FolderIndex Folder;
        int Next;
    };
    std::vector<Level> open;
    if (!Folders_.empty()) {
        builder.OpenFolder({});
        open.push_back({RootIndex_, 0});
    }
    std::uint64_t ordinal = 0;
    auto dependent = SwitchDependent.begin();
    while (!open.empty()) {
        Level& level = open.back();
        if (level.Next == Count(level.Folder)) {
            open.pop_back();
            builder.CloseFolder();
            continue;
        }
        const int i = level.Next++;
        const std::string_view name = Name(level.Folder, i);
        if (const FolderIndex sub = SubFolder(level.Folder, i); sub != kNoFolder) {
            builder.OpenFolder(name.substr(1));
            open.push_back({sub, 0});
            continue;
        }
        Sizes sizes = EntrySizes(level.Folder, i);
        if (dependent != SwitchDependent.end() && dependent->Ordinal == ordinal) {
            FolderEntry entry;
            entry.Size = dependent->Size;
            entry.OnDiskSize = dependent->OnDiskSize;
            entry.Attributes = dependent->Attributes;
            const TCountedSizes counted = CountedSizes(entry, counting);
            sizes.Nominal = counted.Nominal;
            sizes.Allocated = counted.Allocated;
            ++dependent;
        }
        builder.AddFile(name, sizes.Nominal, sizes.Allocated);
        ++ordinal;
    }
    // Folders close in the same order as before, so they keep their indices.
    EarlierScan again = Folders_.empty() ? EarlierScan() : builder.Finish();
    again.RootPath = RootPath;
    again.Timestamp = Timestamp;
    again.SwitchDependent = SwitchDependent;
    again.StartIndex_ = StartIndex_;
    again.ByPath_ = ByPath_;
    return again;
}

}  // namespace quillet
