// Painting a cell box from the Board, and passing its events to the game session.
#include "ui/cell_box.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/drawing_surface.h"
#include "ui/fonts.h"
#include "ui/game_session.h"
#include "ui/key_codes.h"

namespace ninefold {

QPoint DigitDrawingPosition(QSize inner, const QFontMetrics& metrics, int digit) {
    const int w = metrics.horizontalAdvance(QString::number(digit));
    const int h = metrics.height();
    return {(inner.width() - w) / 2 - 3, (inner.height() - h) / 2};
}

int ButtonValue(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int ButtonsValue(Qt::MouseButtons buttons) {
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
           (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

CellBox::CellBox(GameSession& session, int index, QWidget* parent)
    : QFrame(parent), session_(session), index_(index) {
    // The frame style only sets the two-pixel border's width; paintEvent draws the border.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFont(CellFont());
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    resize(kCellBoxSize, kCellBoxSize);
}

const CellState& CellBox::cell() const {
    return session_.board().Cells[index_];
}

QColor CellBox::backgroundColour() const {
    return session_.board().Background(index_) == BackColour::Yellow ? kYellowBackground
                                                                     : kWhiteBackground;
}

QColor CellBox::digitColour() const {
    return cell().Fixed ? kFixedDigitColour : kProgramDigitColour;
}

// Not opaque: at a fractional scale the device pixels the box only partly covers show the
// window behind it, as they do beside every other box.
void CellBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawSunkenBorder(painter, rect(), palette());
    const QRect inner = contentsRect();
    FillSnapped(painter, inner, backgroundColour());
    const int digit = cell().Digit;
    if (digit == 0) {
        return;
    }
    painter.setFont(font());
    painter.setPen(digitColour());
    const QFontMetrics metrics(font());
    const QPoint at = inner.topLeft() + DigitDrawingPosition(inner.size(), metrics, digit);
    painter.setClipRect(SnapToDevicePixels(painter, inner));
    painter.drawText(QRect(at, QSize(inner.width() * 2, metrics.height())),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     QStringLiteral(" ") + QString::number(digit));
}

void CellBox::keyPressEvent(QKeyEvent* event) {
    const KeyStroke stroke = TranslateKey(*event);
    session_.Form_KeyDown(stroke.code, stroke.shift);
    session_.Ninefold_KeyDown(index_, stroke.code, stroke.shift);
    event->accept();
}

void CellBox::mousePressEvent(QMouseEvent* event) {
    const int button = ButtonValue(event->button());
    if (button == 0) {
        event->ignore();
        return;
    }
    const QPoint at = event->position().toPoint() - contentsRect().topLeft();
    session_.Ninefold_MouseDown(index_, button, ShiftStateOf(event->modifiers()), at.x(), at.y());
}

void CellBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (ButtonValue(event->button()) == 0) {
        event->ignore();
        return;
    }
    session_.Ninefold_DblClick(index_);
}

void CellBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() - contentsRect().topLeft();
    session_.Ninefold_MouseMove(index_, ButtonsValue(event->buttons()),
                                ShiftStateOf(event->modifiers()), at.x(), at.y());
}

void CellBox::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    session_.Ninefold_GotFocus(index_);
}

}  // namespace ninefold
