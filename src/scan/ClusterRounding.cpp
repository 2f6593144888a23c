#include "scan/ClusterRounding.h"

namespace quillet {

ByteCount RoundToClusters(ByteCount size, std::int32_t clusterSize) {
    const ByteCount rest = size % clusterSize;
    return rest == 0 ? size : AddBytes(size, clusterSize - rest);
}

}  // namespace quillet
