// Coalescing the Board's cell changes into one repaint per display frame.
#include "ui/paint_scheduler.h"

namespace ninefold {

namespace {

// Cell changes reach the screen at most this often, however fast the search writes them.
constexpr int kFrameMilliseconds = 16;

}  // namespace

PaintScheduler::PaintScheduler(std::function<void(int)> repaintCell,
                               std::function<void()> afterFlush, QObject* parent)
    : QObject(parent), repaintCell_(std::move(repaintCell)), afterFlush_(std::move(afterFlush)) {
    paintTimer_.setSingleShot(true);
    connect(&paintTimer_, &QTimer::timeout, this, &PaintScheduler::Flush);
    sinceLastFlush_.start();
}

void PaintScheduler::PaintCell(int index, const CellState& /*cell*/, BackColour /*back*/) {
    // Called for every cell write, tens of times per tried digit of the search: only note it.
    dirtyCells_.set(static_cast<size_t>(index));
    if (paintPending_) {
        return;
    }
    paintPending_ = true;
    const qint64 since = sinceLastFlush_.elapsed();
    paintTimer_.start(since >= kFrameMilliseconds ? 0
                                                  : static_cast<int>(kFrameMilliseconds - since));
}

void PaintScheduler::Flush() {
    paintTimer_.stop();
    paintPending_ = false;
    for (int i = 1; i <= kCellCount; ++i) {
        if (dirtyCells_.test(static_cast<size_t>(i))) {
            repaintCell_(i);
        }
    }
    dirtyCells_.reset();
    sinceLastFlush_.restart();
    afterFlush_();
}

}  // namespace ninefold
