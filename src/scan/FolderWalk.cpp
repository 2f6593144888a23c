#include "scan/FolderWalk.h"

#include <memory>
#include <string_view>
#include <vector>

#include "base/PathText.h"
#include "platform/PathSeparator.h"
#include "scan/ExclusionList.h"

namespace quillet {
namespace {

class FolderWalk {
public:
    FolderWalk(FolderSource& source, const std::string& rootPath, const TScanOptions& options)
        : Source_(source),
          Options_(options),
          Sink_(*options.Sink),
          Exclusions_(std::make_shared<const ExclusionList>(options.ExclusionText)),
          Path_(rootPath) {
        Hooks_.LeavesOut = [exclusions = Exclusions_](std::string_view name) {
            return exclusions->Excludes(name);
        };
        if (options.ProcessMessages || options.CancelRequested) {
            Hooks_.WhileWaiting = [this] {
                if (Options_.ProcessMessages) Options_.ProcessMessages();
                return Cancelled();
            };
        }
    }

    void Run() {
        Enter(nullptr);
        while (!Stack_.empty()) {
            Frame& frame = Stack_.back();
            FolderEntry entry;
            // The first entry of a folder is always handled; later ones only while no cancel
            // has been asked for, so a cancelled scan unwinds one entry per open level.
            const bool more =
                frame.Handle && frame.Handle->Next(entry) && (frame.First || !Cancelled());
            if (!more) {
                Leave();
                continue;
            }
            frame.First = false;
            // A folder of a million entries must not keep the caller's events waiting until
            // it ends.
            if (++EntriesSinceMessages_ == kEntriesBetweenMessages) {
                EntriesSinceMessages_ = 0;
                if (Options_.ProcessMessages) Options_.ProcessMessages();
            }
            if (entry.IsFolder) {
                EnterFolder(entry);
            } else {
                Sink_.FileFound(entry);
            }
        }
    }

private:
    struct Frame {
        std::unique_ptr<FolderHandle> Handle;
        std::size_t PathEnd;  // Path_ of this folder is Path_'s first PathEnd bytes
        bool First = true;
    };

    // A few milliseconds' worth of entries, read or imported.
    static constexpr int kEntriesBetweenMessages = 4096;

    bool Cancelled() const { return Options_.CancelRequested && *Options_.CancelRequested; }

    // entry is the sub-folder's entry in its parent, null for the scan root.
    void Enter(const FolderEntry* entry) {
        FolderHandle* parent = Stack_.empty() ? nullptr : Stack_.back().Handle.get();
        const bool isRoot = Stack_.empty();
        Stack_.push_back(Frame{nullptr, Path_.size()});
        if (Options_.Progress) Options_.Progress(Path_);
        if (Options_.ProcessMessages) Options_.ProcessMessages();
        std::unique_ptr<FolderHandle> handle;
        if (isRoot) {
            handle = Source_.OpenScanRoot(Path_, Hooks_);
        } else if (parent) {
            handle = parent->OpenChild(Path_);
            if (const ReadFailure why = handle ? ReadFailure{} : parent->OpenFailure(); why)
                NotRead(why, false);
        }
        Sink_.FolderOpened(entry ? entry->Name : RootName(), entry, handle.get());
        Stack_.back().Handle = std::move(handle);
    }

    // The scan root's full path without the trailing separator ("/" itself for the root).
    std::string_view RootName() const {
        std::string_view path = Path_;
        if (path.size() > 1 && path.back() == kPathSeparator) path.remove_suffix(1);
        return path;
    }

    void EnterFolder(const FolderEntry& entry) {
        const std::string_view name = entry.Name;
        if (IsDotOrDotDot(name)) return;
        if (Stack_.size() == 1 && Exclusions_->Excludes(name)) {
            Sink_.FolderExcluded(name);
            return;
        }
        Path_.append(name).push_back(kPathSeparator);
        Enter(&entry);
    }

    void Leave() {
        if (const FolderHandle* handle = Stack_.back().Handle.get(); handle) {
            if (const ReadFailure why = handle->ReadError(); why) NotRead(why, true);
        }
        Stack_.pop_back();  // closes the folder's handle before the sink hears of it
        Sink_.FolderClosed();
        if (!Stack_.empty()) Path_.resize(Stack_.back().PathEnd);
    }

    void NotRead(ReadFailure why, bool inPart) {
        if (Options_.FolderNotRead) Options_.FolderNotRead(Path_, why, inPart);
    }

    FolderSource& Source_;
    const TScanOptions& Options_;
    ScanSink& Sink_;
    // Shared with a source that reads ahead, which leaves the same folders unread.
    const std::shared_ptr<const ExclusionList> Exclusions_;
    ScanHooks Hooks_;
    std::vector<Frame> Stack_;
    // The full path of the folder being read, grown and cut back as the walk goes down and up:
    // the only full path a scan holds.
    std::string Path_;
    int EntriesSinceMessages_ = 0;
};

}  // namespace

void WalkFolders(FolderSource& source, const std::string& rootPath, const TScanOptions& options) {
    FolderWalk(source, rootPath, options).Run();
}

}  // namespace quillet
