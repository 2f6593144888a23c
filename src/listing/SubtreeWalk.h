// Every entry below a folder, depth first, a slice at a time: the views of the whole tree under
// the shown folder (largest files, file types, find) walk it so, and the window can stop
// between two slices. The walk reads the tree, which must stay as it is until the walk ends or
// is dropped.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "listing/EarlierFolderNames.h"
#include "scan/EarlierScan.h"
#include "scan/FileInfo.h"

namespace quillet {

class SubtreeWalk {
public:
    struct Visit {
        const TFolderData* Node;
        std::string_view Name;  // as stored; a folder's without its mark
        // The folder that holds it, relative to the top, ending in the separator; empty at
        // the top.
        std::string_view FolderPath;
        // While comparing: the entry's sizes in the earlier scan; null for an entry it did not
        // have.
        const EarlierScan::Sizes* Before;
    };

    // earlier, when given, is matched entry by entry from its folder that stands for top.
    explicit SubtreeWalk(const TFolderList& top, const EarlierScan* earlier = nullptr);
    ~SubtreeWalk();

    // Visits up to budget entries, files and folders (never a back entry or the free-space
    // entry), each folder before what it holds; false once every entry was visited.
    bool Step(std::size_t budget, const std::function<void(const Visit&)>& visit);

    // The whole walk at once.
    void All(const std::function<void(const Visit&)>& visit) {
        while (Step(SIZE_MAX, visit)) {
        }
    }

private:
    struct Level {
        const TFolderList* List;
        int Next;
        std::size_t PathLength;  // of Path_ at this level
        EarlierScan::FolderIndex Earlier;
        std::unique_ptr<EarlierFolderNames> Names;  // while comparing
    };
    void Enter(const TFolderList& list, EarlierScan::FolderIndex earlier);

    const EarlierScan* Earlier_;
    std::vector<Level> Open_;
    std::string Path_;
};

}  // namespace quillet
