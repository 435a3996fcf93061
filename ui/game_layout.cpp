// Placing the game window and its controls at start-up: the 360 x 360 client area centred on
// the screen, the 81 cell boxes with the focus frame, and the candidate panel with its boxes.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <cmath>

#include "engine/candidates.h"
#include "ui/candidate_panel.h"
#include "ui/cell_box.h"
#include "ui/game_window.h"

namespace ninefold {

namespace {

// The client area is exactly the grid with a 15-pixel margin on every side.
constexpr int kClientSize = 360;
constexpr int kPanelTop = 8;
constexpr int kCellGap = 5;
constexpr int kBlockGap = 10;
constexpr const char* kPanelHeader = "Double-Click: Show available numbers for each block";

}  // namespace

void frmGame::sizeClientArea() {
    resize(kClientSize, kClientSize + menuBar()->sizeHint().height());
    layout()->activate();
    // Whatever the menu bar really takes, the client area comes out 360 x 360.
    const QSize client = centralWidget()->size();
    resize(width() - client.width() + kClientSize, height() - client.height() + kClientSize);
    layout()->activate();
}

void frmGame::centreOnScreen() {
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void frmGame::LayoutCells() {
    int x = 0;
    int y = -kCellBoxSize;
    for (int i = 1; i <= kCellCount; ++i) {
        if (i % 9 == 1) {
            x = 5;
            y += kCellBoxSize + kCellGap;
        } else {
            x += kCellBoxSize + kCellGap;
        }
        if (i % 3 == 1) {
            x += kBlockGap;
        }
        if (i % 27 == 1) {
            y += kBlockGap;
        }
        cells_[i]->move(x, y);
    }
    shape1_->setGeometry(cells_[1]->x() - 1, cells_[1]->y() - 1, kCellBoxSize + 2,
                         kCellBoxSize + 2);
    shape1_->show();
    // Above the cell boxes, so no box covers a side of the frame; the panel stays on top.
    shape1_->stackUnder(panel_);
    for (int i = 1; i <= kCellCount; ++i) {
        cells_[i]->show();
    }
    cells_[1]->setFocus(Qt::OtherFocusReason);
    // Qt delivers the focus only once the window is active; the frame and CurrentCell are
    // on cell 1 from the start all the same.
    if (CurrentCell != 1) {
        Ninefold_GotFocus(1);
    }
}

void frmGame::LayoutCandidatePanel() {
    int x = 0;
    int y = 5 - kSolveBoxHeight;
    for (int i = 1; i <= kCellCount; ++i) {
        if (i % 9 == 1) {
            x = 0;
            y += kSolveBoxHeight + kCellGap;
        } else {
            x += kSolveBoxWidth + kCellGap;
        }
        if (i % 3 == 1) {
            x += kBlockGap;
        }
        if (i % 27 == 1) {
            y += kBlockGap;
        }
        Solve(i)->move(panel_->contentsRect().topLeft() + QPoint(x, y));
        Solve(i)->show();
    }
    panel_->setInnerSize(QSize(x + kSolveBoxWidth + kBlockGap, y + kSolveBoxHeight + kBlockGap));
    panel_->show();
    panel_->raise();
}

void frmGame::resetCandidates() {
    ResetCandidates(board_);
}

void frmGame::placeCandidatePanel() {
    CellBox* last = cells_[kCellCount];
    panel_->move(last->x() + last->width() + 15, kPanelTop);
}

void frmGame::drawPanelHeader() {
    const QString header = QString::fromLatin1(kPanelHeader);
    const QFontMetrics metrics(panel_->font());
    const int x = (panel_->innerSize().width() - metrics.horizontalAdvance(header)) / 2;
    panel_->setHeader(header, QPoint(x, 3));
}

}  // namespace ninefold
