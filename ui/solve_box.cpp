// Drawing a candidate box's nine slots in the candidate face.
#include "ui/solve_box.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/drawing_surface.h"
#include "ui/fonts.h"

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

}  // namespace ninefold
