// Long work on the GUI thread, a slice at a time from the event loop, so that the window never
// freezes: the views of a whole subtree walk millions of entries so. Each slice runs steps
// for a few milliseconds; Stop drops the work between two slices, and nothing of it runs
// again. GUI thread only. The work's data must stay valid until it is done or stopped: the
// window stops it before a scan replaces the tree.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace quillet {

class TSlicedWork {
public:
    // step does a bounded part of the work and says whether more is left.
    using Step = std::function<bool()>;

    TSlicedWork();

    // Drops any work going on, then runs step from the event loop until it says it is done,
    // and then done, once.
    void Start(Step step, std::function<void()> done);
    void Stop();
    bool Running() const { return Timer_.isActive(); }
    // Milliseconds since Start.
    qint64 Elapsed() const { return Started_.elapsed(); }

private:
    void Slice();

    QTimer Timer_;
    QElapsedTimer Started_;
    Step Step_;
    std::function<void()> Done_;
};

}  // namespace quillet
