// The folder scan: the tree built from what the walk meets (FolderWalk.h), one list per folder.
#include <vector>

#include "scan/FileAccounting.h"
#include "scan/FileInfo.h"
#include "scan/FolderWalk.h"
#include "scan/Utf16Length.h"

namespace quillet {

// Fills the open folders' lists and passes everything on to the caller's own sink.
class TFolderList::TreeBuilder final : public ScanSink {
public:
    TreeBuilder(TFolderList& root, const TScanOptions& options) : Root_(root), Options_(options) {}

    void FolderOpened(std::string_view name, const FolderEntry* entry,
                      const FolderHandle* handle) override {
        TFolderList* list = &Root_;
        // The folder's path's length, for the longest path: kept while the walk is in it, not
        // in every list.
        std::int32_t pathLength16 = 0;
        if (!Open_.empty()) {
            TFolderList& parent = *Open_.back();
            parent.FolderCount += 1;
            list = &parent.BeginFolder(name);
            pathLength16 = PathLengths16_.back() + Utf16Length(name) + 1;
        } else {
            pathLength16 = Utf16Length(Root_.Path());
        }
        if (handle) {
            // Folder names get the folder mark in front; and room for the back entry, so that
            // the list is allocated once.
            list->Entries_.Reserve(*list, handle->EntryCountHint() + 1,
                                   handle->NameBytesHint() + handle->FolderCountHint() + 2);
        }
        if (!Open_.empty()) list->AddBackEntry();
        Open_.push_back(list);
        PathLengths16_.push_back(pathLength16);
        if (Options_.Sink) Options_.Sink->FolderOpened(name, entry, handle);
    }

    void FileFound(const FolderEntry& entry) override {
        TFolderList& list = *Open_.back();
        TCountedSizes sizes = CountedSizes(entry, Options_);
        if (LinkedFiles_.SeenBefore(entry)) sizes = {};
        list.AddFile(entry.Name, sizes.Nominal, sizes.Allocated);
        list.NoteLongestFile(list.Count() - 1, PathLengths16_.back());
        if (Options_.Sink) Options_.Sink->FileFound(entry);
    }

    void FolderExcluded(std::string_view name) override {
        if (Options_.Sink) Options_.Sink->FolderExcluded(name);
    }

    void FolderClosed() override {
        TFolderList& done = *Open_.back();
        Open_.pop_back();
        PathLengths16_.pop_back();
        done.Entries_.Fit(done);  // a folder read without hints grew in steps
        if (!Open_.empty()) Open_.back()->EndFolder(done);
        if (Options_.Sink) Options_.Sink->FolderClosed();
    }

private:
    TFolderList& Root_;
    const TScanOptions& Options_;
    std::vector<TFolderList*> Open_;  // the lists of the folders the walk is in, root first
    std::vector<std::int32_t> PathLengths16_;  // their paths' lengths in UTF-16 code units
    LinkedFiles LinkedFiles_;
};

void TFolderList::Scan(FolderSource& source, const TScanOptions& options) {
    ResetTotals();
    TreeBuilder builder(*this, options);
    TScanOptions walk = options;
    walk.Sink = &builder;
    WalkFolders(source, Path(), walk);
}

}  // namespace quillet
