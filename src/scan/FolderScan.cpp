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
        OpenFolder folder{&Root_, 0};
        if (Open_.empty()) {
            folder.PathLength16 = Utf16Length(Root_.Path());
        } else {
            TFolderList& parent = *Open_.back().List;
            parent.FolderCount += 1;
            folder = {&parent.BeginFolder(name),
                      SubfolderPathLength16(Open_.back().PathLength16, name)};
        }
        TFolderList* list = folder.List;
        if (handle) {
            // Folder names get the folder mark in front; and room for the back entry, so that
            // the list is allocated once.
            list->Entries_.Reserve(*list, handle->EntryCountHint() + 1,
                                   handle->NameBytesHint() + handle->FolderCountHint() + 2);
        }
        if (!Open_.empty()) list->AddBackEntry();
        Open_.push_back(folder);
        if (Options_.Sink) Options_.Sink->FolderOpened(name, entry, handle);
    }

    void FileFound(const FolderEntry& entry) override {
        TFolderList& list = *Open_.back().List;
        TCountedSizes sizes = CountedSizes(entry, Options_);
        if (LinkedFiles_.SeenBefore(entry)) sizes = {};
        list.AddFile(entry.Name, sizes.Nominal, sizes.Allocated);
        list.NoteLongestFile(list.Count() - 1, Open_.back().PathLength16);
        if (Options_.Sink) Options_.Sink->FileFound(entry);
    }

    void FolderExcluded(std::string_view name) override {
        if (Options_.Sink) Options_.Sink->FolderExcluded(name);
    }

    void FolderClosed() override {
        TFolderList& done = *Open_.back().List;
        Open_.pop_back();
        done.Entries_.Fit(done);  // a folder read without hints grew in steps
        if (!Open_.empty()) Open_.back().List->EndFolder(done);
        if (Options_.Sink) Options_.Sink->FolderClosed();
    }

private:
    // A folder the walk is in: its list, and its path's length for the longest path, which is
    // kept here while the walk is in it rather than in every list.
    struct OpenFolder {
        TFolderList* List;
        std::int32_t PathLength16;
    };

    TFolderList& Root_;
    const TScanOptions& Options_;
    std::vector<OpenFolder> Open_;  // root first
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
