// Painting the candidate panel and its header, and passing its mouse events to the session.
#include "ui/candidate_panel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "ui/cell_box.h"
#include "ui/drawing_surface.h"
#include "ui/fonts.h"
#include "ui/game_session.h"
#include "ui/key_codes.h"

namespace ninefold {

CandidatePanel::CandidatePanel(GameSession& session, QWidget* parent)
    : QFrame(parent), session_(session) {
    // The frame style only sets the two-pixel border's width; paintEvent draws the border.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFont(PanelFont());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

void CandidatePanel::setInnerSize(QSize inner) {
    resize(width() - contentsRect().width() + inner.width(),
           height() - contentsRect().height() + inner.height());
}

void CandidatePanel::setHeader(const QString& text, QPoint at) {
    header_ = text;
    headerAt_ = at;
    update();
}

void CandidatePanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawSunkenBorder(painter, rect(), palette());
    if (header_.isEmpty()) {
        return;
    }
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    const QFontMetrics metrics(font());
    const QRect inner = contentsRect();
    painter.setClipRect(SnapToDevicePixels(painter, inner));
    painter.drawText(QRect(inner.topLeft() + headerAt_,
                           QSize(metrics.horizontalAdvance(header_) + 1, metrics.height())),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, header_);
}

QPointF CandidatePanel::innerPosition(const QMouseEvent& event) const {
    return event.position() - QPointF(contentsRect().topLeft());
}

void CandidatePanel::mousePressEvent(QMouseEvent* event) {
    const QPointF at = innerPosition(*event);
    session_.picSolveHolder_MouseDown(ButtonValue(event->button()),
                                      ShiftStateOf(event->modifiers()), at.x(), at.y());
}

void CandidatePanel::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = innerPosition(*event);
    session_.picSolveHolder_MouseMove(ButtonsValue(event->buttons()),
                                      ShiftStateOf(event->modifiers()), at.x(), at.y());
}

void CandidatePanel::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = innerPosition(*event);
    session_.picSolveHolder_MouseUp(ButtonValue(event->button()), ShiftStateOf(event->modifiers()),
                                    at.x(), at.y());
}

void CandidatePanel::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
    session_.picSolveHolder_DblClick();
}

}  // namespace ninefold
