#include "platform/linux/StatAhead.h"

#include <algorithm>
#include <chrono>

#include "base/YieldThenWait.h"

namespace quillet {

StatAhead::StatAhead() : Thread_([this] { Run(); }) {}

StatAhead::~StatAhead() {
    {
        std::lock_guard lock(Mutex_);
        Stop_ = true;
    }
    Wake_.notify_one();
    Thread_.join();
}

void StatAhead::Share(FolderListing& listing) {
    listing.PrepareToShare();
    bool wake;
    {
        std::lock_guard lock(Mutex_);
        Listings_.push_back(&listing);
        wake = Sleeping_;
    }
    Shares_.fetch_add(1, std::memory_order_release);
    if (wake) Wake_.notify_one();
}

void StatAhead::Withdraw(FolderListing& listing) {
    listing.Withdraw();
    {
        std::lock_guard lock(Mutex_);
        Listings_.erase(std::remove(Listings_.begin(), Listings_.end(), &listing), Listings_.end());
    }
    // The worker checks the listing's withdrawal before every name: at most one stat to wait.
    for (FolderListing* busy = Busy_.load(std::memory_order_acquire); busy == &listing;
         busy = Busy_.load(std::memory_order_acquire)) {
        Busy_.wait(busy, std::memory_order_acquire);
    }
}

FolderListing* StatAhead::NextListing() {
    std::unique_lock lock(Mutex_);
    for (;;) {
        if (Stop_) return nullptr;
        if (!Listings_.empty()) {
            FolderListing* listing = Listings_.back();
            // Set under the lock, so a Withdraw that took the listing out has either run
            // before (and the listing is not chosen) or will wait for Busy_ to change.
            Busy_.store(listing, std::memory_order_release);
            return listing;
        }
        // The scan shares its next listing within microseconds as a rule: look again for a
        // moment before sleeping, since waking up costs more than that.
        const unsigned seen = Shares_.load(std::memory_order_acquire);
        lock.unlock();
        YieldWhile([&] { return Shares_.load(std::memory_order_acquire) == seen; },
                   std::chrono::microseconds(50));
        lock.lock();
        if (!Listings_.empty() || Stop_) continue;
        Sleeping_ = true;
        Wake_.wait(lock, [this] { return Stop_ || !Listings_.empty(); });
        Sleeping_ = false;
    }
}

void StatAhead::Run() {
    while (FolderListing* listing = NextListing()) {
        const unsigned shares = Shares_.load(std::memory_order_acquire);
        bool exhausted = false;
        // Stay with this listing until it is done, withdrawn, or a newer one is shared.
        while (Shares_.load(std::memory_order_acquire) == shares) {
            if (!listing->StatFromBack()) {
                exhausted = true;
                break;
            }
        }
        {
            std::lock_guard lock(Mutex_);
            if (exhausted) {
                Listings_.erase(std::remove(Listings_.begin(), Listings_.end(), listing),
                                Listings_.end());
            }
            Busy_.store(nullptr, std::memory_order_release);
        }
        Busy_.notify_all();
    }
}

}  // namespace quillet
