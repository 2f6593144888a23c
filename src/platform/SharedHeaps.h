// The scan's read-ahead threads each allocate a little (folders, listings, batches of entries),
// and by default the C library gives every thread a heap of its own, which keeps what it once
// held for as long as the scan runs: on a million entries that is a few megabytes for nothing.
// Threads share two heaps instead. Call first thing in main, before any thread starts. (On
// Windows every thread shares the process heap already, and this does nothing.)
#pragma once

namespace quillet {

void ShareHeapsAcrossThreads();

}  // namespace quillet
