// Where the game window and its controls go: the 360 x 360 client area centred on the screen,
// and the 9 x 9 arrangement the cell boxes and the candidate boxes share.
#pragma once

#include <QPoint>
#include <QSize>

class QMainWindow;
class QWidget;

namespace ninefold {

// The client area is exactly the grid with a 15-pixel margin on every side.
inline constexpr int kClientSize = 360;
// The gap between two boxes, and the extra gap before each block of three.
inline constexpr int kBoxGap = 5;
inline constexpr int kBlockGap = 10;

// The top-left corner of box i (1–81) of a 9 x 9 arrangement of boxes of the given size:
// kBoxGap between neighbours, kBlockGap more before each block of three, counted from
// `origin` (box 1 sits one block gap right of and below it).
QPoint BoxPosition(int i, QSize box, QPoint origin);

// Resizes the window so its client area (below the menu bar) is kClientSize square.
void SizeClientArea(QMainWindow& window);
// Centres the window's whole frame on its screen.
void CentreOnScreen(QWidget& window);

}  // namespace ninefold
