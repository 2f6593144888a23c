#include "platform/SharedHeaps.h"

namespace quillet {

// The process heap is shared by every thread already.
void ShareHeapsAcrossThreads() {}

}  // namespace quillet
