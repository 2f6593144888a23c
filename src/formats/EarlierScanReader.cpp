#include "formats/EarlierScanReader.h"

#include <memory>
#include <vector>

#include "formats/ImportFolderSource.h"
#include "scan/ExclusionList.h"
#include "scan/FileAccounting.h"

namespace quillet {

TEarlierScanReading ReadEarlierScan(std::istream& in, const std::string& shownFileName,
                                    const TScanOptions& options) {
    const bool* cancel = options.CancelRequested;
    ImportFolderSource source(in, shownFileName, cancel, options.ClusterSize);
    if (!source.Start()) return {{}, source.Error()};
    const ExclusionList exclusions(options.ExclusionText);
    EarlierScan::Builder builder;
    LinkedFiles links;
    std::vector<std::unique_ptr<FolderHandle>> open;
    builder.OpenFolder({});
    open.push_back(source.OpenRoot(source.RootPath()));
    while (!open.empty()) {
        FolderEntry entry;
        FolderHandle* folder = open.back().get();
        if (!folder || !folder->Next(entry) || (cancel && *cancel)) {
            open.pop_back();
            builder.CloseFolder();
            continue;
        }
        if (!entry.IsFolder) {
            TCountedSizes sizes = CountedSizes(entry, options);
            if (links.SeenBefore(entry)) sizes = {};
            builder.AddFile(entry.Name, sizes.Nominal, sizes.Allocated);
        } else if (open.size() > 1 || !exclusions.Excludes(entry.Name)) {
            if (options.ProcessMessages) options.ProcessMessages();
            builder.OpenFolder(entry.Name);
            open.push_back(folder->OpenChild({}));
        }
    }
    if (!source.Error().empty() || (cancel && *cancel)) return {{}, source.Error()};
    TEarlierScanReading read{builder.Finish(), {}};
    read.Scan.RootPath = source.RootPath();
    read.Scan.Timestamp = source.Timestamp();
    return read;
}

}  // namespace quillet
