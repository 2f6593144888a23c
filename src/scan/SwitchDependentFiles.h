// Gathers, as a scan goes, the files whose counted sizes depend on the compressed and sparse
// switches (those the file system marks compressed or sparse), with the sizes the file system
// gave them: a tree kept to compare with can then be counted again under other switches
// (EarlierScan::CountedAgain). Only such files take memory.
//
// A sink of one scan at a time, on the scan's thread.
#pragma once

#include <cstdint>
#include <vector>

#include "scan/EarlierScan.h"
#include "scan/FileAccounting.h"
#include "scan/ScanSink.h"

namespace quillet {

class SwitchDependentFiles final : public ScanSink {
public:
    void FolderOpened(std::string_view, const FolderEntry*, const FolderHandle*) override {}
    void FileFound(const FolderEntry& entry) override;
    void FolderExcluded(std::string_view) override {}
    void FolderClosed() override {}

    // What the scan met, in scan order; the sink starts afresh.
    std::vector<EarlierScan::SwitchDependentFile> Take();

private:
    std::vector<EarlierScan::SwitchDependentFile> Files_;
    std::uint64_t Ordinal_ = 0;
    LinkedFiles Links_;  // a later link counts nothing, under any switch
};

}  // namespace quillet
