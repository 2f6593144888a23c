#include "scan/ClusterRounding.h"

#include <cmath>

namespace quillet {

double RoundToClusters(double size, std::int32_t clusterSize) {
    if (clusterSize == 1) return size;
    const double k = clusterSize;
    return k * std::trunc((size + (k - 1)) / k);
}

}  // namespace quillet
