// Waiting on another thread that answers within microseconds as a rule: giving the core up
// for a moment costs less than a sleep and a wake-up. Both the read-ahead's scan thread and
// the stat helper wait this way before they sleep on a condition variable.
#pragma once

#include <chrono>
#include <thread>

namespace quillet {

// Yields the core while stillWaiting() holds, for up to `most`; true when it stopped holding.
template <typename Predicate>
bool YieldWhile(Predicate stillWaiting, std::chrono::microseconds most) {
    const auto until = std::chrono::steady_clock::now() + most;
    while (stillWaiting()) {
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::yield();
    }
    return true;
}

}  // namespace quillet
