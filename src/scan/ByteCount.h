// Sizes in bytes and the figures counted from them: whole numbers, held exactly up to 2^63 - 1
// (a double holds them exactly only up to 2^53). Signed: slack is below 0 for a file that takes
// less than its size on disk, and the free-space entry counts its bytes negated.
#pragma once

#include <cstdint>
#include <limits>

namespace quillet {

using ByteCount = std::int64_t;

constexpr ByteCount kMaxByteCount = std::numeric_limits<ByteCount>::max();

// a + b, held at the largest or smallest ByteCount instead of wrapping. No volume holds 2^63
// bytes, but sparse files' nominal sizes can add up beyond it (an import refuses sizes that
// do; a scan's total then stops at the largest figure).
inline ByteCount AddBytes(ByteCount a, ByteCount b) {
    ByteCount sum;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? kMaxByteCount : std::numeric_limits<ByteCount>::min();
}

// A size the file system reports, unsigned, as a ByteCount: one beyond 2^63 - 1 (no file
// system makes one) is held at the largest.
inline ByteCount ToByteCount(std::uint64_t size) {
    return size > static_cast<std::uint64_t>(kMaxByteCount) ? kMaxByteCount
                                                            : static_cast<ByteCount>(size);
}

}  // namespace quillet
