// The folder scan: depth first, in the order the file system lists entries, with an explicit
// stack instead of recursion so that no depth of folders can overflow the call stack.
#include <cstdint>
#include <string>
#include <vector>

#include "base/PathText.h"
#include "platform/PathSeparator.h"
#include "scan/ExclusionList.h"
#include "scan/FileAccounting.h"
#include "scan/FileInfo.h"

namespace quillet {

class TFolderList::Scanner {
public:
    Scanner(FolderSource& source, const TScanOptions& options)
        : Source_(source), Options_(options), Exclusions_(options.ExclusionText) {}

    void Run(TFolderList& root) {
        root.ResetTotals();
        Path_ = root.Path_;
        Enter(root, nullptr);
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
            if (entry.IsFolder) {
                EnterFolder(frame, entry);
            } else {
                AddFile(*frame.List, entry);
            }
        }
    }

private:
    struct Frame {
        TFolderList* List;
        std::unique_ptr<FolderHandle> Handle;
        std::size_t PathEnd;  // Path_ of this folder is Path_'s first PathEnd bytes
        bool First = true;
    };

    bool Cancelled() const { return Options_.CancelRequested && *Options_.CancelRequested; }

    // entry is the sub-folder's entry in its parent, null for the scan root.
    void Enter(TFolderList& list, const FolderEntry* entry) {
        FolderHandle* parent = Stack_.empty() ? nullptr : Stack_.back().Handle.get();
        const bool isRoot = Stack_.empty();
        Stack_.push_back(Frame{&list, nullptr, Path_.size()});
        if (Options_.Progress) Options_.Progress(Path_);
        if (Options_.ProcessMessages) Options_.ProcessMessages();
        std::unique_ptr<FolderHandle> handle;
        if (isRoot) {
            handle = Source_.OpenRoot(Path_);
        } else if (parent) {
            handle = parent->OpenChild(Path_);
        }
        if (handle) {
            // Folder names get the folder mark in front; and room for the back entry, so that
            // the list is allocated once.
            list.Reserve(handle->EntryCountHint() + 1,
                         handle->NameBytesHint() + handle->FolderCountHint() + 2);
        }
        if (!isRoot) list.AddBackEntry();
        if (Options_.Sink) Options_.Sink->FolderOpened(SinkName(list, entry), entry, !!handle);
        Stack_.back().Handle = std::move(handle);
    }

    static std::string_view SinkName(const TFolderList& list, const FolderEntry* entry) {
        if (entry) return entry->Name;
        std::string_view path = list.Path_;
        if (path.size() > 1 && path.back() == kPathSeparator) path.remove_suffix(1);
        return path;
    }

    void EnterFolder(Frame& frame, const FolderEntry& entry) {
        TFolderList& list = *frame.List;
        const std::string_view name = entry.Name;
        const bool atRoot = Stack_.size() == 1;
        if (IsDotOrDotDot(name)) return;
        if (atRoot && Exclusions_.Excludes(name)) {
            if (Options_.Sink) Options_.Sink->FolderExcluded(name);
            return;
        }
        list.FolderCount += 1;
        Path_.append(name).push_back(kPathSeparator);
        Enter(list.BeginFolder(name), &entry);
    }

    void AddFile(TFolderList& list, const FolderEntry& entry) {
        TCountedSizes sizes = CountedSizes(entry, Options_);
        if (Options_.Sink) Options_.Sink->FileFound(entry);
        if (LinkedFiles_.SeenBefore(entry)) sizes = {};
        list.AddFile(entry.Name, sizes.Nominal, sizes.Allocated);
        list.NoteLongestFile(list.Count() - 1);
    }

    void Leave() {
        Frame done = std::move(Stack_.back());
        Stack_.pop_back();
        done.Handle.reset();
        if (Options_.Sink) Options_.Sink->FolderClosed();
        if (Stack_.empty()) return;
        Stack_.back().List->EndFolder(*done.List);
        Path_.resize(Stack_.back().PathEnd);
    }

    FolderSource& Source_;
    const TScanOptions& Options_;
    const ExclusionList Exclusions_;
    std::vector<Frame> Stack_;
    // The full path of the folder being read, grown and cut back as the scan goes down and up:
    // the only full path a scan holds.
    std::string Path_;
    LinkedFiles LinkedFiles_;
};

void TFolderList::Scan(FolderSource& source, const TScanOptions& options) {
    Scanner(source, options).Run(*this);
}

}  // namespace quillet
