#include "platform/SharedHeaps.h"

#include <malloc.h>

namespace quillet {

void ShareHeapsAcrossThreads() {
    mallopt(M_ARENA_MAX, 2);
}

}  // namespace quillet
