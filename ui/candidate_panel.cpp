// The candidate panel's widgets, and the game window's handlers for drawing and dragging it.
#include "ui/candidate_panel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "engine/candidates.h"
#include "ui/accessibility.h"
#include "ui/cell_box.h"
#include "ui/drawing_surface.h"
#include "ui/fonts.h"
#include "ui/game_window.h"
#include "ui/key_codes.h"

namespace ninefold {

namespace {

QString slotText(int value) {
    return QStringLiteral(" %1 ").arg(value);
}

// The candidate face at the largest size up to its own that still fits three slots and
// three lines in a box, so no slot is cut off where the machine lacks the classic face.
QFont fittedCandidateFont() {
    QFont font = CandidateFont();
    for (int size = font.pixelSize(); size > 6; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        if (3 * (1 + metrics.horizontalAdvance(slotText(0))) <= kSolveBoxWidth &&
            3 * metrics.height() <= kSolveBoxHeight) {
            break;
        }
    }
    return font;
}

}  // namespace

SolveBox::SolveBox(QWidget* parent) : QWidget(parent) {
    static const QFont font = fittedCandidateFont();
    setFont(font);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(kSolveBoxWidth, kSolveBoxHeight);
}

QColor SolveBox::possibleColour() const {
    return palette().color(QPalette::ButtonText);
}

QColor SolveBox::excludedColour() const {
    return palette().color(QPalette::Base);
}

void SolveBox::drawEntries(const std::array<uint8_t, 9>& entries) {
    entries_ = entries;
    drawn_ = true;
    update();
}

QPoint SolveBox::slotPosition(int digit) const {
    const QFontMetrics metrics(font());
    int x = 0;
    int y = 0;
    for (int d = 1; d < digit; ++d) {
        x += 1 + metrics.horizontalAdvance(slotText(entries_[d - 1]));
        if (d % 3 == 0) {
            x = 0;
            y += metrics.height();
        }
    }
    return {x + 1, y};
}

void SolveBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    FillSnapped(painter, rect(), excludedColour());
    if (!drawn_) {
        return;
    }
    painter.setFont(font());
    const QFontMetrics metrics(font());
    for (int d = 1; d <= 9; ++d) {
        const int value = entries_[d - 1];
        painter.setPen(value != 0 ? possibleColour() : excludedColour());
        const QString text = slotText(value);
        painter.drawText(
            QRect(slotPosition(d), QSize(metrics.horizontalAdvance(text) + 1, metrics.height())),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    }
}

CandidatePanel::CandidatePanel(frmGame& game, QWidget* parent) : QFrame(parent), game_(game) {
    // The frame style only sets the two-pixel border's width; paintEvent draws the border.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFont(PanelFont());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    setAcceptDrops(true);
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
    game_.picSolveHolder_MouseDown(ButtonValue(event->button()), ShiftStateOf(event->modifiers()),
                                   at.x(), at.y());
}

void CandidatePanel::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = innerPosition(*event);
    game_.picSolveHolder_MouseMove(ButtonsValue(event->buttons()), ShiftStateOf(event->modifiers()),
                                   at.x(), at.y());
}

void CandidatePanel::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = innerPosition(*event);
    game_.picSolveHolder_MouseUp(ButtonValue(event->button()), ShiftStateOf(event->modifiers()),
                                 at.x(), at.y());
}

void CandidatePanel::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
    game_.picSolveHolder_DblClick();
}

void CandidatePanel::dragEnterEvent(QDragEnterEvent* event) {
    game_.fileDragEnter(event);
}

void CandidatePanel::dropEvent(QDropEvent* event) {
    game_.fileDrop(event);
}

// --- the game window's side ---------------------------------------------------------------

void frmGame::picSolveHolder_DblClick() {
    ComputeCandidates(board_);
    DrawCandidates();
}

void frmGame::DrawCandidates() {
    for (int i = 1; i <= kCellCount; ++i) {
        std::array<uint8_t, 9> entries{};
        for (int d = 1; d <= 9; ++d) {
            entries[d - 1] = board_.Candidates(i, d);
        }
        Solve(i)->drawEntries(entries);
        AnnounceShownValue(Solve(i));
    }
}

void frmGame::picSolveHolder_MouseDown(int /*button*/, int /*shift*/, double x, double y) {
    const QSize inner = panel_->innerSize();
    PanelDragging = x >= 0 && x < inner.width() && y >= 0 && y < inner.height();
    // Halves go to the even neighbour.
    PanelGrabX = static_cast<int16_t>(std::nearbyint(x));
    PanelGrabY = static_cast<int16_t>(std::nearbyint(y));
}

void frmGame::picSolveHolder_MouseMove(int buttons, int /*shift*/, double x, double y) {
    if (buttons != 1 || !PanelDragging) {
        return;
    }
    const QPoint at = panel_->pos();
    panel_->move(static_cast<int>(std::lround(at.x() - PanelGrabX + x)),
                 static_cast<int>(std::lround(at.y() - PanelGrabY + y)));
}

void frmGame::picSolveHolder_MouseUp(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {
    PanelDragging = false;
}

}  // namespace ninefold
