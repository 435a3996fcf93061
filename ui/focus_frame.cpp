// Painting the focus frame.
#include "ui/focus_frame.h"

#include <QPainter>

#include "ui/cell_box.h"
#include "ui/drawing_surface.h"

namespace ninefold {

FocusFrame::FocusFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(kCellBoxSize + 2, kCellBoxSize + 2);
}

void FocusFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor outline = palette().color(QPalette::WindowText);
    FillRing(painter, rect(), outline, outline);
}

}  // namespace ninefold
