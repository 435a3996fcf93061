// The game window itself: its controls and menus, the start-up sequence, About, Exit and
// closing, and the coalescing of cell repaints.
#include "ui/game_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>

#include "ui/accessibility.h"
#include "ui/candidate_panel.h"
#include "ui/cell_box.h"
#include "ui/drawing_surface.h"
#include "ui/key_codes.h"
#include "ui/menu_bar.h"
#include "ui/wait_window.h"

namespace ninefold {

namespace {

// Cell changes reach the screen at most this often, however fast the search writes them.
constexpr int kFrameMilliseconds = 16;

QAction* addCommand(QMenu* menu, const char* caption, const char* shortcut, const char* name) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (shortcut != nullptr) {
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

QAction* addSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

}  // namespace

frmGame::frmGame(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmGame"));
    InstallAccessibility();
    setAcceptDrops(true);
    setMenuBar(new MenuBar(this));
    setCentralWidget(new QWidget(this));
    centralWidget()->setAutoFillBackground(true);
    centralWidget()->setBackgroundRole(QPalette::Window);
    createMenus();
    createControls();
    board_.SetPainter(this);
    paintTimer_.setSingleShot(true);
    connect(&paintTimer_, &QTimer::timeout, this, &frmGame::FlushCellPaints);
    sinceLastFlush_.start();
}

frmGame::~frmGame() {
    board_.SetPainter(nullptr);
    wait_.reset();
}

SolveBox* frmGame::Solve(int i) const {
    return panel_->box(i);
}

void frmGame::createMenus() {
    // No caption carries an access-key letter.
    mnuFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuLoad = addCommand(mnuFile, "Load", "Ctrl+O", "mnuLoad");
    mnuSave = addCommand(mnuFile, "Save as", "Ctrl+S", "mnuSave");
    SepRecent = addSeparator(mnuFile, "SepRecent");
    SepRecent->setVisible(false);
    mnuRecentFileItems.push_back(
        addCommand(mnuFile, "Drive:\\Directory\\Filename.Extension", nullptr, "mnuRecentFile"));
    mnuRecentFileItems[0]->setVisible(false);
    Sep1 = addSeparator(mnuFile, "Sep1");
    mnuExit = addCommand(mnuFile, "Exit", nullptr, "mnuExit");

    mnuGame = menuBar()->addMenu(QStringLiteral("Game"));
    mnuNewGame = addCommand(mnuGame, "New", "F2", "mnuNewGame");
    Sep3 = addSeparator(mnuGame, "Sep3");
    mnuGenerate = addCommand(mnuGame, "Generate", "F5", "mnuGenerate");
    mnuSolve = addCommand(mnuGame, "Solve", "Ctrl+A", "mnuSolve");
    mnuCheck = addCommand(mnuGame, "Check Diagram", "Ctrl+C", "mnuCheck");
    Sep2 = addSeparator(mnuGame, "Sep2");
    mnuClear = addCommand(mnuGame, "Clear blue numbers", "Ctrl+Z", "mnuClear");

    mnuHelp = menuBar()->addMenu(QStringLiteral("Help"));
    mnuAbout = addCommand(mnuHelp, "About", nullptr, "mnuAbout");

    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    for (QMenu* menu : {mnuFile, mnuGame, mnuHelp}) {
        connect(menu, &QMenu::aboutToHide, this, &frmGame::menuClosed);
    }

    connect(mnuLoad, &QAction::triggered, this, &frmGame::mnuLoad_Click);
    connect(mnuSave, &QAction::triggered, this, &frmGame::mnuSave_Click);
    connect(mnuExit, &QAction::triggered, this, &frmGame::mnuExit_Click);
    connect(mnuNewGame, &QAction::triggered, this, &frmGame::mnuNewGame_Click);
    connect(mnuGenerate, &QAction::triggered, this, &frmGame::mnuGenerate_Click);
    connect(mnuSolve, &QAction::triggered, this, &frmGame::mnuSolve_Click);
    connect(mnuCheck, &QAction::triggered, this, &frmGame::mnuCheck_Click);
    connect(mnuClear, &QAction::triggered, this, &frmGame::mnuClear_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmGame::mnuAbout_Click);
}

// Esc on an open menu leaves the menu bar holding the keyboard, waiting for arrow keys, and
// the digits typed next would be lost; after any menu the keys go to the current cell again.
// Queued: the menu bar takes the keyboard only after the menu has hidden.
void frmGame::menuClosed() {
    QTimer::singleShot(0, this, [this] {
        if (menuBar()->hasFocus() && CurrentCell >= 1 && CurrentCell <= kCellCount) {
            Ninefold(CurrentCell)->setFocus(Qt::OtherFocusReason);
        }
    });
}

// The cell boxes, the focus frame and the candidate panel exist from the start, hidden; the
// layout steps of the load place and show them.
void frmGame::createControls() {
    QWidget* client = centralWidget();
    // Like picture boxes, the grid and the panel keep their colours while the window is
    // disabled; only the menus grey out.
    client->setPalette(PersistentPalette(client->palette()));
    shape1_ = new FocusFrame(client);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->hide();
    for (int i = 1; i <= kCellCount; ++i) {
        cells_[i] = new CellBox(*this, i, client);
        cells_[i]->setObjectName(QStringLiteral("Ninefold%1").arg(i));
        cells_[i]->setAccessibleName(CellAccessibleName(i));
        cells_[i]->hide();
    }
    panel_ = new CandidatePanel(*this, client);
    panel_->setObjectName(QStringLiteral("picSolveHolder"));
    panel_->move(0, 8);
    panel_->hide();
    for (int i = 1; i <= kCellCount; ++i) {
        auto* box = new SolveBox(panel_);
        box->setObjectName(QStringLiteral("Solve%1").arg(i));
        box->setAccessibleName(CandidateAccessibleName(i));
        box->hide();
        panel_->setBox(i, box);
    }
}

void frmGame::Form_Load() {
    configureFileDialog();
    sizeClientArea();
    centreOnScreen();
    show();
    // Some platforms add the window's frame only once it is shown; centre the whole frame.
    centreOnScreen();
    initialiseRecentFiles();
    seedRandom();
    LayoutCells();
    LayoutCandidatePanel();
    resetCandidates();
    placeCandidatePanel();
    drawPanelHeader();
    openCommandLineFile();
    hookMouseWheel();
}

void frmGame::seedRandom() {
    random_ = std::make_unique<SeededRandom>(SeededRandom::ClockSeed());
}

void frmGame::mnuAbout_Click() {
    messages().plain("Created by:\r\n  The Ninefold developers");
}

void frmGame::mnuExit_Click() {
    close();
}

bool frmGame::event(QEvent* event) {
    if (waitWindowHoldsInput(event)) {
        return true;
    }
    return QMainWindow::event(event);
}

void frmGame::closeEvent(QCloseEvent* event) {
    // A close that arrives while a long operation runs (the window manager's close button
    // still works on a disabled window) stops the operation as Esc would; the window closes
    // once the operation has returned.
    if (operationRunning_) {
        closeRequested_ = true;
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmGame::Form_Unload() {
    releaseMouseWheel();
    CloseWaitWindow();
}

bool frmGame::finishOperation() {
    operationRunning_ = false;
    announceCells();
    if (!closeRequested_) {
        return false;
    }
    closeRequested_ = false;
    close();
    return true;
}

void frmGame::keyPressEvent(QKeyEvent* event) {
    // Reached only when no cell box has the focus; the window still sees the key.
    const KeyStroke stroke = TranslateKey(*event);
    Form_KeyDown(stroke.code, stroke.shift);
    event->accept();
}

void frmGame::Form_KeyDown(int keyCode, int shift) {
    if (!windowHotKey(keyCode, shift)) {
        clipboardKey(keyCode, shift);
    }
}

void frmGame::dragEnterEvent(QDragEnterEvent* event) {
    fileDragEnter(event);
}

void frmGame::dropEvent(QDropEvent* event) {
    fileDrop(event);
}

void frmGame::PaintCell(int index, const CellState& /*cell*/, BackColour /*back*/) {
    // Called for every cell write, tens of times per tried digit of the search: only note it.
    dirtyCells_.set(static_cast<size_t>(index));
    if (paintPending_) {
        return;
    }
    paintPending_ = true;
    const qint64 since = sinceLastFlush_.elapsed();
    paintTimer_.start(since >= kFrameMilliseconds ? 0
                                                  : static_cast<int>(kFrameMilliseconds - since));
}

void frmGame::FlushCellPaints() {
    paintTimer_.stop();
    paintPending_ = false;
    for (int i = 1; i <= kCellCount; ++i) {
        if (dirtyCells_.test(static_cast<size_t>(i))) {
            cells_[i]->update();
        }
    }
    dirtyCells_.reset();
    sinceLastFlush_.restart();
    if (!operationRunning_) {
        announceCells();
    }
}

// A search rewrites cells far faster than anyone can listen: a screen reader hears of the
// cells that changed once the operation is over.
void frmGame::announceCells() {
    for (int i = 1; i <= kCellCount; ++i) {
        AnnounceShownValue(cells_[i]);
    }
}

}  // namespace ninefold
