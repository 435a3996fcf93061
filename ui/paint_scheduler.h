// The Board's painter in the window: a changed cell is only noted, and the noted cell boxes
// are repainted together at most once per display frame, however fast the search writes.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <bitset>
#include <functional>

#include "engine/board.h"

namespace ninefold {

class PaintScheduler : public QObject, public CellPainter {
    Q_OBJECT

  public:
    // repaintCell marks cell box i for repainting; afterFlush runs once the noted boxes are.
    PaintScheduler(std::function<void(int)> repaintCell, std::function<void()> afterFlush,
                   QObject* parent);

    void PaintCell(int index, const CellState& cell, BackColour back) override;
    // Marks every cell box changed since the last frame for repainting now.
    void Flush();

  private:
    std::function<void(int)> repaintCell_;
    std::function<void()> afterFlush_;
    std::bitset<kCellCount + 1> dirtyCells_;
    bool paintPending_ = false;
    QTimer paintTimer_;
    QElapsedTimer sinceLastFlush_;
};

}  // namespace ninefold
