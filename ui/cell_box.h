// A cell box of the grid, Ninefold(i): paints cell i of the Board (digit, Fixed colour and
// background) whenever asked, and hands its keys and mouse events to the game session.
#pragma once

#include <QColor>
#include <QFrame>
#include <QPoint>
#include <QWidget>

#include "engine/board.h"

class QFontMetrics;

namespace ninefold {

class GameSession;

inline constexpr int kCellBoxSize = 30;
// The digits the program placed itself, the ones "Clear blue numbers" removes.
inline const QColor kProgramDigitColour{0x00, 0x00, 0xFF};
inline const QColor kFixedDigitColour{0x80, 0x00, 0x00};
inline const QColor kWhiteBackground{0xFF, 0xFF, 0xFF};
inline const QColor kYellowBackground{0xFF, 0xFF, 0x00};

// Where a digit's text starts inside a box of the given inner size: horizontally centred on
// the digit alone, then 3 pixels to the left for the blank that precedes it.
QPoint DigitDrawingPosition(QSize inner, const QFontMetrics& metrics, int digit);

class CellBox : public QFrame {
    Q_OBJECT

  public:
    CellBox(GameSession& session, int index, QWidget* parent);
    int index() const { return index_; }
    // What the box shows: cell index() of the Board.
    const CellState& cell() const;
    QColor backgroundColour() const;
    QColor digitColour() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    GameSession& session_;
    int index_;
};

// The mouse button values the game uses: 1 left, 2 right, 4 middle; 0 for any other.
int ButtonValue(Qt::MouseButton button);
int ButtonsValue(Qt::MouseButtons buttons);

}  // namespace ninefold
