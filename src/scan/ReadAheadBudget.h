// How far the read-ahead's workers may go: inner handles open ahead of the scan (with room held
// for the sub-folders that the batches being read may still open) and the bytes of entries read
// but not yet taken. Once the bytes fill their budget the workers rest until the scan has taken
// half of them: waking them for every batch taken costs more than the reading. The scan's own
// thread reads past both. Guarded by the engine's mutex.
#pragma once

#include <algorithm>
#include <cstddef>

namespace quillet {

class ReadAheadBudget {
public:
    // At most this many sub-folders are opened by one batch.
    static constexpr int kBatchFolders = 8;

    ReadAheadBudget(int openHandles, std::size_t bufferedBytes)
        : OpenHandles_(openHandles), BufferedBytes_(bufferedBytes) {}

    int OpenHandles() const { return Open_; }

    // Whether a worker may start on a batch now.
    bool AllowsWork() {
        if (Buffered_ >= BufferedBytes_) Full_ = true;
        return !Full_ && Open_ + Reserved_ < OpenHandles_;
    }
    bool Full() const { return Full_; }

    // How many sub-folders the next batch may open, held until Unreserve: as many as there is
    // room for, counting what other batches may still open, and at least one, since the scan's
    // thread goes on reading past the budget.
    int Reserve() {
        const int folders = std::clamp(OpenHandles_ - Open_ - Reserved_, 1, kBatchFolders);
        Reserved_ += folders;
        return folders;
    }
    void Unreserve(int folders) { Reserved_ -= folders; }

    void Opened() { ++Open_; }
    void Closed() { --Open_; }
    // The system had no descriptor left: from now on no more are opened ahead than now.
    void LimitToOpen() { OpenHandles_ = std::min(OpenHandles_, Open_); }

    void Buffer(std::size_t bytes) { Buffered_ += bytes; }
    // True when the workers, resting, may go on again.
    bool Take(std::size_t bytes) {
        Buffered_ -= bytes;
        if (!Full_ || Buffered_ >= BufferedBytes_ / 2) return false;
        Full_ = false;
        return true;
    }

private:
    int OpenHandles_;
    const std::size_t BufferedBytes_;
    int Open_ = 0;
    int Reserved_ = 0;
    std::size_t Buffered_ = 0;
    bool Full_ = false;
};

}  // namespace quillet
