#include "formats/ImportFolderSource.h"

#include <algorithm>

#include "base/PathText.h"
#include "platform/FileAttributes.h"
#include "platform/SparseFile.h"

namespace quillet {

struct ImportFolderSource::Info {
    std::string Name;
    std::string Key;
    std::string Excluded;
    std::uint64_t Size = 0;
    std::uint64_t OnDiskSize = 0;
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::uint64_t Links = 0;
    bool HasName = false;
    bool HasDevice = false;
    bool LinkCounted = false;
    bool NotRegular = false;
};

namespace {

constexpr std::uint64_t kMaxSize = INT64_MAX;  // the format's bound for sizes

}  // namespace

class ImportFolderSource::Handle : public FolderHandle {
public:
    Handle(ImportFolderSource& source, std::size_t depth) : Source_(source), Depth_(depth) {}

    std::size_t EntryCountHint() const override { return 0; }
    std::size_t NameBytesHint() const override { return 0; }

    bool Next(FolderEntry& entry) override {
        ImportFolderSource& s = Source_;
        if (Done_ || s.Stopped()) return false;
        Info& info = *s.Current_;
        try {
            for (;;) {
                // A sub-folder the scan did not enter is read past, unseen.
                while (s.Depth_ > Depth_) {
                    if (s.Stopped()) return false;
                    s.ReadItem(info);
                }
                const Item item = s.ReadItem(info);
                if (item == Item::Skipped) continue;
                if (item == Item::End) {
                    Done_ = true;
                    if (Depth_ == 1) s.ReadTrailer();
                    return false;
                }
                entry = FolderEntry{};
                entry.Name = info.Name;
                entry.IsFolder = item == Item::Folder;
                entry.Size = info.Size;
                // What the file takes on disk, as written: less than its size for a sparse or
                // compressed file (the scan's accounting keeps slack from going below 0).
                entry.OnDiskSize = info.OnDiskSize;
                entry.Links = static_cast<std::uint32_t>(info.Links ? info.Links
                                                                    : (info.LinkCounted ? 2 : 1));
                entry.Device = info.HasDevice ? info.Device : s.Devices_.back();
                entry.Inode = info.Inode;
                entry.Attributes = (info.Name.front() == '.' ? kAttributeHidden : 0u) |
                                   (entry.IsFolder ? kAttributeDirectory : 0u) |
                                   (info.NotRegular ? kAttributeSystem | kAttributeNotRegular : 0u);
                if (item == Item::File && !info.NotRegular &&
                    CountsAsSparse(info.Size, info.OnDiskSize, s.ClusterSize_)) {
                    entry.Attributes |= kAttributeSparse;
                }
                // A link gdu marked is one whose data its first link holds: it counts as a
                // scan counts a later link, nothing.
                if (s.MarksOnlyLaterLinks_ && info.LinkCounted) {
                    entry.Size = entry.OnDiskSize = 0;
                    entry.Links = 1;
                }
                if (!entry.IsFolder) s.AddToTotal(std::max(entry.Size, entry.OnDiskSize));
                return true;
            }
        } catch (const JsonError& error) {
            s.Record(error);
            return false;
        }
    }

    std::unique_ptr<FolderHandle> OpenChild(const std::string&) override {
        ImportFolderSource& s = Source_;
        if (s.Stopped() || s.OpenableDepth_ != Depth_ + 1 || s.Depth_ != Depth_ + 1) return nullptr;
        s.OpenableDepth_ = 0;
        return std::make_unique<Handle>(s, Depth_ + 1);
    }

private:
    ImportFolderSource& Source_;
    const std::size_t Depth_;
    bool Done_ = false;
};

ImportFolderSource::ImportFolderSource(std::istream& in, std::string fileName, const bool* cancel,
                                       std::int32_t clusterSize)
    : Json_(in),
      FileName_(std::move(fileName)),
      Cancel_(cancel),
      ClusterSize_(static_cast<std::uint64_t>(clusterSize)),
      Current_(new Info) {}

ImportFolderSource::~ImportFolderSource() = default;

void ImportFolderSource::AddToTotal(std::uint64_t size) {
    // The tree adds sizes up exactly, and no total of it can pass this one.
    if (size > kMaxSize - SizeTotal_) {
        throw JsonError(Json_.Offset(), "sizes add up to more than " + std::to_string(kMaxSize) +
                                            " bytes");
    }
    SizeTotal_ += size;
}

void ImportFolderSource::Record(const JsonError& error) {
    if (Error_.empty())
        Error_ = "The scan file " + FileName_ + " cannot be read at byte " +
                 std::to_string(error.Offset) + ": " + error.what();
}

bool ImportFolderSource::Start() {
    try {
        Json_.Expect('[');
        const std::uint64_t major = Json_.ReadUnsigned(10000, "format version");
        if (major != 1)
            Json_.Fail("format version " + std::to_string(major) + " is not supported (only 1)");
        Json_.Expect(',');
        Json_.ReadUnsigned(10000, "format version");
        Json_.Expect(',');
        ReadHeader();
        Json_.Expect(',');
        Json_.Expect('[');
        ReadInfo(*Current_, true);
        Depth_ = 1;
        Devices_.push_back(Current_->Device);
        RootPath_ = Current_->Name;
        if (RootPath_.back() != '/') RootPath_ += '/';
    } catch (const JsonError& error) {
        Record(error);
    }
    return Error_.empty();
}

std::unique_ptr<FolderHandle> ImportFolderSource::OpenRoot(const std::string&) {
    if (Depth_ != 1 || !Error_.empty()) return nullptr;
    return std::make_unique<Handle>(*this, 1);
}

// The header object: only its timestamp is kept, when it is a whole number of seconds, and
// whether gdu wrote the file.
void ImportFolderSource::ReadHeader() {
    Json_.Expect('{');
    std::string key;
    while (Json_.Peek() != '}') {
        Json_.ReadString(key);
        Json_.Expect(':');
        const char next = Json_.Peek();
        if (key == "timestamp" && next >= '0' && next <= '9') {
            Timestamp_ = static_cast<std::int64_t>(Json_.ReadUnsigned(INT64_MAX, "timestamp"));
        } else if (key == "progname" && next == '"') {
            std::string name;
            Json_.ReadString(name);
            MarksOnlyLaterLinks_ = name == "gdu";
        } else {
            Json_.SkipValue();
        }
        if (Json_.Peek() == '}') break;
        Json_.Expect(',');
    }
    Json_.Expect('}');
}

// One element of the open folder: its end, a file, a sub-folder (whose info has then been
// read and which is now the open folder), or an entry that a scan would not list.
ImportFolderSource::Item ImportFolderSource::ReadItem(Info& info) {
    if (Json_.Peek() == ']') {
        Json_.Expect(']');
        --Depth_;
        Devices_.pop_back();
        return Item::End;
    }
    Json_.Expect(',');
    if (Json_.Peek() == '[') {
        if (Depth_ == kMaxDepth)
            Json_.Fail("folders nested deeper than " + std::to_string(kMaxDepth) + " levels");
        Json_.Expect('[');
        ReadInfo(info, false);
        Devices_.push_back(info.HasDevice ? info.Device : Devices_.back());
        ++Depth_;
        // A folder marked excluded (ncdu -x writes a mount point so) was listed but not
        // entered: it is shown empty, as a scan shows a folder it cannot enter, and anything
        // it holds is read past.
        OpenableDepth_ = info.Excluded.empty() ? Depth_ : 0;
        return Item::Folder;
    }
    if (Json_.Peek() != '{') Json_.Fail("'{' or '[' expected");
    ReadInfo(info, false);
    if (info.Excluded.empty()) return Item::File;
    // Written as an object, an excluded folder looks like an excluded file. One that leads to
    // another file system is a folder a scan counts but does not enter; one left out by a
    // pattern, like what a scan's exclusion list names, is not shown at all.
    if (info.Excluded == "othfs" || info.Excluded == "otherfs" || info.Excluded == "kernfs" ||
        info.Excluded == "frmlnk") {
        OpenableDepth_ = 0;
        return Item::Folder;
    }
    return Item::Skipped;
}

void ImportFolderSource::ReadInfo(Info& info, bool isRoot) {
    info.HasName = info.HasDevice = info.LinkCounted = info.NotRegular = false;
    info.Size = info.OnDiskSize = info.Device = info.Inode = info.Links = 0;
    info.Excluded.clear();
    const std::uint64_t start = Json_.Offset();
    Json_.Expect('{');
    if (Json_.Peek() != '}') {
        for (;;) {
            Json_.ReadString(info.Key);
            Json_.Expect(':');
            const std::string& key = info.Key;
            if (key == "name") {
                Json_.ReadString(info.Name);
                info.HasName = true;
            } else if (key == "asize") {
                info.Size = Json_.ReadUnsigned(kMaxSize, "asize");
            } else if (key == "dsize") {
                info.OnDiskSize = Json_.ReadUnsigned(kMaxSize, "dsize");
            } else if (key == "dev") {
                info.Device = Json_.ReadUnsigned(UINT64_MAX, "dev");
                info.HasDevice = true;
            } else if (key == "ino") {
                info.Inode = Json_.ReadUnsigned(UINT64_MAX, "ino");
            } else if (key == "nlink") {
                info.Links = Json_.ReadUnsigned(UINT32_MAX, "nlink");
            } else if (key == "hlnkc") {
                info.LinkCounted = Json_.ReadBool();
            } else if (key == "notreg") {
                info.NotRegular = Json_.ReadBool();
            } else if (key == "excluded") {
                Json_.ReadString(info.Excluded);
            } else {
                Json_.SkipValue();
            }
            if (Json_.Peek() == '}') break;
            Json_.Expect(',');
        }
    }
    Json_.Expect('}');
    if (!info.HasName) throw JsonError(start, "an entry has no name");
    const std::string& name = info.Name;
    const bool plain =
        !name.empty() && !IsDotOrDotDot(name) && (isRoot || name.find('/') == std::string::npos);
    if (!plain) throw JsonError(start, "an entry has a name that a file cannot have");
}

// After the scanned folder: the end of the document and nothing else.
void ImportFolderSource::ReadTrailer() {
    Json_.Expect(']');
    if (!Json_.AtEnd()) Json_.Fail("more text after the end of the scan");
}

std::string ImportScan(TFolderList& root, std::istream& in, const std::string& shownFileName,
                       TScanOptions options) {
    ImportFolderSource source(in, shownFileName, options.CancelRequested);
    if (source.Start()) {
        root.ResetTo(source.RootPath());
        options.ClusterSize = 1;
        options.ExclusionText = {};
        options.AllocationFromSource = true;
        root.Scan(source, options);
    }
    if (source.Error().empty()) return {};
    root.ResetTo(".");
    root.TotalNominal = root.TotalAllocated = 0;
    root.FileCount = root.FolderCount = root.LongestPathLength = 0;
    return source.Error();
}

}  // namespace quillet
