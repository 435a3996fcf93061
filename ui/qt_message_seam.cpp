// Message boxes through QMessageBox, titled with the application title.
#include "ui/qt_message_seam.h"

#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpacerItem>
#include <QWindow>
#include <algorithm>

namespace ninefold {

namespace {

// A message box that stays on its screen: when its text would make it taller than the
// screen's free area (Check Diagram's report on a small laptop screen at 150 %), the text
// scrolls inside the box and the buttons stay in view.
class ScreenFittingBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);  // sizes the box to its text and places it
        if (fitToScreen()) {
            adjustPosition(parentWidget());
        }
    }

  private:
    bool fitToScreen() {
        const QScreen* shownOn = screen();
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (shownOn == nullptr || label == nullptr || layout() == nullptr) {
            return false;
        }
        QMargins frame;
        if (const QWindow* window = windowHandle()) {
            frame = window->frameMargins();
        }
        const QRect free = shownOn->availableGeometry();
        const int freeHeight = free.height() - frame.top() - frame.bottom();
        const int freeWidth = free.width() - frame.left() - frame.right();
        if (height() <= freeHeight) {
            return false;
        }
        // Shown again (restored after minimising, say): the text already scrolls.
        if (area_ != nullptr) {
            setFixedSize(std::min(width(), freeWidth), freeHeight);
            return true;
        }
        area_ = new QScrollArea(this);
        area_->setFrameShape(QFrame::NoFrame);
        area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area_->setWidgetResizable(true);
        const int textWidth = label->width();
        delete layout()->replaceWidget(label, area_);
        area_->setWidget(label);
        const int bar = area_->verticalScrollBar()->sizeHint().width();
        area_->setMinimumWidth(textWidth + bar);
        setFixedSize(std::min(width() + bar, freeWidth), freeHeight);
        // Made while the box is being shown, so shown by hand.
        area_->show();
        layout()->activate();
        return true;
    }

    QScrollArea* area_ = nullptr;
};

// A short text makes a narrow box whose title bar cuts "Ninefold"; a spacer as wide as the
// title and the title bar's buttons keeps it whole.
void fitTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 160;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

// Beside the owner's window (right, left, below, above) where the screen has room for the
// box; otherwise in the screen corner where it covers least of the window.
void placeBeside(QMessageBox& box, QWidget* owner) {
    if (owner == nullptr || owner->screen() == nullptr) {
        return;
    }
    const QRect screen = owner->screen()->availableGeometry();
    const QRect window = owner->window()->frameGeometry();
    const QSize size = box.sizeHint();
    const int gap = 8;
    const QPoint tries[] = {
        {window.right() + gap, window.top()},
        {window.left() - gap - size.width(), window.top()},
        {window.left(), window.bottom() + gap},
        {window.left(), window.top() - gap - size.height()},
        screen.topLeft(),
        {screen.right() - size.width(), screen.top()},
        {screen.left(), screen.bottom() - size.height()},
        {screen.right() - size.width(), screen.bottom() - size.height()},
    };
    QPoint best = tries[0];
    qint64 leastCovered = -1;
    for (const QPoint& at : tries) {
        const QRect placed(at, size);
        if (!screen.contains(placed)) {
            continue;
        }
        const QRect covered = placed.intersected(window);
        const qint64 area = covered.isEmpty() ? 0 : qint64{covered.width()} * covered.height();
        if (leastCovered < 0 || area < leastCovered) {
            best = at;
            leastCovered = area;
        }
    }
    if (leastCovered >= 0) {
        box.move(best);
    }
}

QMessageBox::StandardButton showBox(QWidget* owner, QMessageBox::Icon icon, const std::string& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton,
                                    bool besideWindow = false) {
    ScreenFittingBox box(icon, QString::fromLatin1(kApplicationTitle),
                         QtMessageSeam::displayText(text), buttons, owner);
    box.setDefaultButton(defaultButton);
    fitTitle(box);
    if (besideWindow) {
        placeBeside(box, owner);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

QString QtMessageSeam::displayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void QtMessageSeam::information(const std::string& text) {
    showBox(owner_, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageSeam::hint(const std::string& text) {
    showBox(owner_, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok, true);
}

void QtMessageSeam::exclamation(const std::string& text) {
    showBox(owner_, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageSeam::question(const std::string& text) {
    return showBox(owner_, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::Yes) == QMessageBox::Yes;
}

void QtMessageSeam::plain(const std::string& text) {
    showBox(owner_, QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace ninefold
