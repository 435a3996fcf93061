// What the client area's drawing surfaces share: edges on whole device pixels at any scale,
// the sunken 3-D border of the cell boxes and the candidate panel, and colours that stay put
// while the window is disabled.
#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QRectF>

class QPainter;

namespace ninefold {

// The rectangle whose edges are the device pixels nearest to those of the given one. Every
// surface rounds its edges the same way from their place on the window, so at a fractional
// scale neighbouring drawings neither overlap nor leave a gap between them.
QRectF SnapToDevicePixels(const QPainter& painter, const QRect& rect);

// Fills the rectangle on whole device pixels.
void FillSnapped(QPainter& painter, const QRect& rect, const QColor& colour);

// A ring one pixel wide just inside the rectangle: its top and left side in one colour, its
// bottom and right side (corners included) in the other.
void FillRing(QPainter& painter, const QRect& rect, const QColor& topLeft,
              const QColor& bottomRight);

// The sunken 3-D single-line border, two pixels on each side just inside the rectangle.
void DrawSunkenBorder(QPainter& painter, const QRect& rect, const QPalette& palette);

// The palette with its disabled and inactive colours made those of the active window: the
// grid and the panel keep their look while the wait window has disabled the game window.
QPalette PersistentPalette(QPalette palette);

}  // namespace ninefold
