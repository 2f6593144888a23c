// Space a file takes on disk: its size rounded up to whole clusters.
#pragma once

#include <cstdint>

#include "scan/ByteCount.h"

namespace quillet {

// The smallest multiple of clusterSize that is not less than size; size itself when the
// cluster size is 1 (unknown volume). Held at the largest ByteCount should it pass it.
ByteCount RoundToClusters(ByteCount size, std::int32_t clusterSize);

}  // namespace quillet
