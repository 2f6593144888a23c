#include "app/SlicedWork.h"

namespace quillet {
namespace {

// Long enough that the event loop costs little, short enough that typing and drawing go on.
constexpr qint64 kSliceMilliseconds = 12;

}  // namespace

TSlicedWork::TSlicedWork() {
    Timer_.setInterval(0);
    QObject::connect(&Timer_, &QTimer::timeout, [this] { Slice(); });
}

void TSlicedWork::Start(Step step, std::function<void()> done) {
    Stop();
    Step_ = std::move(step);
    Done_ = std::move(done);
    Started_.start();
    Timer_.start();
}

void TSlicedWork::Stop() {
    Timer_.stop();
    Step_ = nullptr;
    Done_ = nullptr;
}

void TSlicedWork::Slice() {
    QElapsedTimer slice;
    slice.start();
    bool more = true;
    while (more && slice.elapsed() < kSliceMilliseconds)
        more = Step_();
    if (more) return;
    // done may start other work on this very object.
    std::function<void()> done = std::move(Done_);
    Stop();
    if (done) done();
}

}  // namespace quillet
