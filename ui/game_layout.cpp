// The arrangement of boxes shared by the grid and the candidate panel, and the window's size
// and place at start-up.
#include "ui/game_layout.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

namespace ninefold {

QPoint BoxPosition(int i, QSize box, QPoint origin) {
    const int row = (i - 1) / 9;
    const int column = (i - 1) % 9;
    return origin + QPoint(column * (box.width() + kBoxGap) + (column / 3 + 1) * kBlockGap,
                           row * (box.height() + kBoxGap) + (row / 3 + 1) * kBlockGap);
}

void SizeClientArea(QMainWindow& window) {
    window.resize(kClientSize, kClientSize + window.menuBar()->sizeHint().height());
    window.layout()->activate();
    // Whatever the menu bar really takes, the client area comes out 360 x 360.
    const QSize client = window.centralWidget()->size();
    window.resize(window.width() - client.width() + kClientSize,
                  window.height() - client.height() + kClientSize);
    window.layout()->activate();
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.x() + (area.width() - outer.width()) / 2,
                area.y() + (area.height() - outer.height()) / 2);
}

}  // namespace ninefold
