// The views of a whole tree, without the window: scans FOLDER, then times each view over the
// scanned folder and over its largest sub-folder (a drill-down), as the window computes them.
// Prints the median of five runs of each, in milliseconds.
//
//   quillet-views-bench FOLDER
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "listing/FileTypeTotals.h"
#include "listing/LargestFiles.h"
#include "listing/NameSearch.h"
#include "platform/linux/LinuxFolderSource.h"
#include "scan/ReadAheadSource.h"

namespace {

using namespace quillet;

double MedianMilliseconds(const std::function<std::size_t()>& run, std::size_t& rows) {
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        rows = run();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[2];
}

void TimeViews(const TFolderList& top, const char* where) {
    const auto largest = [&] {
        LargestFiles files(1000, TDisplayMode::dmAllocated, TSizeUnit::suKB, false);
        SubtreeWalk(top).All([&](const SubtreeWalk::Visit& visit) { files.Add(visit); });
        return files.Take().size();
    };
    const auto types = [&] {
        FileTypeTotals totals(TDisplayMode::dmAllocated, TSizeUnit::suKB);
        SubtreeWalk(top).All([&](const SubtreeWalk::Visit& visit) { totals.Add(visit); });
        totals.EndPass();
        std::vector<TTypeTotal> groups = totals.Take();
        SortTypes(groups, TDisplayMode::dmAllocated, TSizeUnit::suKB);
        return groups.size();
    };
    const auto find = [&] {
        NameSearch search(NamePattern("*a?b*"), TDisplayMode::dmAllocated, TSizeUnit::suKB);
        SubtreeWalk(top).All([&](const SubtreeWalk::Visit& visit) { search.Add(visit); });
        return search.Take().size();
    };
    std::size_t rows = 0;
    for (const auto& [name, run] :
         {std::pair<const char*, std::function<std::size_t()>>{"largest files", largest},
          {"file types", types},
          {"find *a?b*", find}}) {
        const double ms = MedianMilliseconds(run, rows);
        std::printf("%-14s %-14s %8.1f ms  (%zu rows)\n", where, name, ms, rows);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillet-views-bench FOLDER\n");
        return 2;
    }
    std::string path = argv[1];
    if (path.back() != '/') path += '/';
    ReadAheadSource folders(std::make_unique<LinuxFolderSource>());
    TFolderList root(path);
    root.Scan(folders, {});
    std::printf("%d files, %d folders\n", root.FileCount, root.FolderCount);
    TimeViews(root, "root");
    const TFolderList* biggest = nullptr;
    for (int i = 0; i < root.Count(); ++i) {
        const TFolderList* children = root.Node(i).Children();
        if (children && (!biggest || children->FileCount > biggest->FileCount)) biggest = children;
    }
    if (biggest) TimeViews(*biggest, "drilled down");
    return 0;
}
