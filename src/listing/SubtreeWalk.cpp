#include "listing/SubtreeWalk.h"

#include "platform/PathSeparator.h"
#include "scan/SpecialEntries.h"

namespace quillet {

SubtreeWalk::SubtreeWalk(const TFolderList& top, const EarlierScan* earlier) : Earlier_(earlier) {
    Enter(top, earlier ? earlier->FolderOf(top) : EarlierScan::kNoFolder);
}

SubtreeWalk::~SubtreeWalk() = default;

void SubtreeWalk::Enter(const TFolderList& list, EarlierScan::FolderIndex earlier) {
    Level level{&list, 0, Path_.size(), earlier, nullptr};
    if (Earlier_) level.Names = std::make_unique<EarlierFolderNames>(*Earlier_, earlier);
    Open_.push_back(std::move(level));
}

bool SubtreeWalk::Step(std::size_t budget, const std::function<void(const Visit&)>& visit) {
    EarlierScan::Sizes before;
    while (!Open_.empty() && budget > 0) {
        Level& level = Open_.back();
        if (level.Next == level.List->Count()) {
            Open_.pop_back();
            if (!Open_.empty()) Path_.resize(Open_.back().PathLength);
            continue;
        }
        const int i = level.Next++;
        const TFolderData& node = level.List->Node(i);
        // Both are the first entry of their list, when there is one.
        if (i == 0 && (IsBackEntry(node) || IsFreeSpaceEntry(node))) continue;
        --budget;
        std::string_view name = level.List->Name(i);
        if (node.Children()) name.remove_prefix(1);
        int earlierEntry = -1;
        if (level.Names) {
            earlierEntry = level.Names->Match(level.List->Name(i));
            if (earlierEntry >= 0) before = Earlier_->EntrySizes(level.Earlier, earlierEntry);
        }
        visit({&node, name, Path_, earlierEntry >= 0 ? &before : nullptr});
        if (const TFolderList* children = node.Children()) {
            const EarlierScan::FolderIndex sub =
                earlierEntry >= 0 ? Earlier_->SubFolder(level.Earlier, earlierEntry)
                                  : EarlierScan::kNoFolder;
            Path_.append(name).push_back(kPathSeparator);
            Enter(*children, sub);
        }
    }
    return !Open_.empty();
}

}  // namespace quillet
