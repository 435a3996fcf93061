// The game window itself: its controls and menus, the start-up sequence and closing, the
// wait window in front of it, and the screen as the game session sees it.
#include "ui/game_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>

#include "engine/candidates.h"
#include "ui/accessibility.h"
#include "ui/board_clipboard.h"
#include "ui/candidate_panel.h"
#include "ui/cell_box.h"
#include "ui/drawing_surface.h"
#include "ui/file_commands.h"
#include "ui/focus_frame.h"
#include "ui/game_layout.h"
#include "ui/key_codes.h"
#include "ui/menu_bar.h"
#include "ui/modal_key_guard.h"
#include "ui/mouse_wheel.h"
#include "ui/paint_scheduler.h"
#include "ui/solve_box.h"
#include "ui/wait_window.h"

namespace ninefold {

namespace {

constexpr int kPanelTop = 8;

QAction* addCommand(QMenu* menu, const QString& caption, const char* shortcut, const char* name) {
    QAction* action = menu->addAction(caption);
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
    new ModalKeyGuard(this);
    paints_ = new PaintScheduler([this](int i) { cells_[i]->update(); },
                                 [this] {
                                     if (!session_.OperationRunning()) {
                                         announceCells();
                                     }
                                 },
                                 this);
    paints_->setObjectName(QStringLiteral("paints"));
    session_.board().SetPainter(paints_);
}

frmGame::~frmGame() {
    session_.board().SetPainter(nullptr);
    wait_.reset();
}

SolveBox* frmGame::Solve(int i) const {
    return panel_->box(i);
}

FileCommands& frmGame::files() {
    if (!files_) {
        // The seam is looked up at each message, so a seam installed later is the one used.
        FileCommands::Messages messages{
            [this](const std::string& text) { session_.messages().exclamation(text); },
            [this](const std::string& text) { return session_.messages().question(text); }};
        files_ = std::make_unique<FileCommands>(this, session_.board(), std::move(messages));
        files_->SetLoaded([this] { session_.PuzzleArrived(); });
    }
    return *files_;
}

void frmGame::createMenus() {
    // No caption carries an access-key letter.
    mnuFile = menuBar()->addMenu(QCoreApplication::translate("frmGame", "File"));
    mnuLoad =
        addCommand(mnuFile, QCoreApplication::translate("frmGame", "Load"), "Ctrl+O", "mnuLoad");
    mnuSave =
        addCommand(mnuFile, QCoreApplication::translate("frmGame", "Save as"), "Ctrl+S", "mnuSave");
    SepRecent = addSeparator(mnuFile, "SepRecent");
    SepRecent->setVisible(false);
    mnuRecentFileItems.push_back(addCommand(mnuFile,
                                            QStringLiteral("Drive:\\Directory\\Filename.Extension"),
                                            nullptr, "mnuRecentFile"));
    mnuRecentFileItems[0]->setVisible(false);
    Sep1 = addSeparator(mnuFile, "Sep1");
    mnuExit =
        addCommand(mnuFile, QCoreApplication::translate("frmGame", "Exit"), nullptr, "mnuExit");

    mnuGame = menuBar()->addMenu(QCoreApplication::translate("frmGame", "Game"));
    mnuNewGame =
        addCommand(mnuGame, QCoreApplication::translate("frmGame", "New"), "F2", "mnuNewGame");
    Sep3 = addSeparator(mnuGame, "Sep3");
    mnuGenerate = addCommand(mnuGame, QCoreApplication::translate("frmGame", "Generate"), "F5",
                             "mnuGenerate");
    mnuSolve =
        addCommand(mnuGame, QCoreApplication::translate("frmGame", "Solve"), "Ctrl+A", "mnuSolve");
    //: Checks the grid: clashing digits, cells with no digit left, missing digits.
    mnuCheck = addCommand(mnuGame, QCoreApplication::translate("frmGame", "Check Diagram"),
                          "Ctrl+C", "mnuCheck");
    Sep2 = addSeparator(mnuGame, "Sep2");
    //: Empties the cells the program filled in (drawn in blue).
    mnuClear = addCommand(mnuGame, QCoreApplication::translate("frmGame", "Clear blue numbers"),
                          "Ctrl+Z", "mnuClear");

    mnuHelp = menuBar()->addMenu(QCoreApplication::translate("frmGame", "Help"));
    mnuAbout =
        addCommand(mnuHelp, QCoreApplication::translate("frmGame", "About"), nullptr, "mnuAbout");

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
        if (menuBar()->hasFocus()) {
            session_.FocusCurrentCell();
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
        cells_[i] = new CellBox(session_, i, client);
        cells_[i]->setObjectName(QStringLiteral("Ninefold%1").arg(i));
        cells_[i]->setAccessibleName(CellAccessibleName(i));
        cells_[i]->hide();
    }
    panel_ = new CandidatePanel(session_, client);
    panel_->setObjectName(QStringLiteral("picSolveHolder"));
    panel_->move(0, kPanelTop);
    panel_->hide();
    for (int i = 1; i <= kCellCount; ++i) {
        auto* box = new SolveBox(panel_);
        box->setObjectName(QStringLiteral("Solve%1").arg(i));
        box->setAccessibleName(CandidateAccessibleName(i));
        box->hide();
        panel_->setBox(i, box);
    }
}

// --- start-up -------------------------------------------------------------------------------

void frmGame::Form_Load() {
    configureFileDialog();
    SizeClientArea(*this);
    CentreOnScreen(*this);
    show();
    // Some platforms add the window's frame only once it is shown; centre the whole frame.
    CentreOnScreen(*this);
    initialiseRecentFiles();
    LayoutCells();
    LayoutCandidatePanel();
    ResetCandidates(session_.board());
    placeCandidatePanel();
    drawPanelHeader();
    openCommandLineFile();
    hookMouseWheel();
}

// The file dialog reports Cancel to its caller as a cancellation, as Qt's dialog always does;
// creating the commands creates the dialog.
void frmGame::configureFileDialog() {
    files();
}

// The recent-files list, read from "Recent Files.txt" (see RecentListPath).
void frmGame::initialiseRecentFiles() {
    files().InitializeRecentFiles(&mnuRecentFileItems, SepRecent,
                                  [this](int index) { mnuRecentFile_Click(index); });
}

void frmGame::LayoutCells() {
    for (int i = 1; i <= kCellCount; ++i) {
        cells_[i]->move(BoxPosition(i, QSize(kCellBoxSize, kCellBoxSize), QPoint(5, 5)));
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
    if (session_.CurrentCell() != 1) {
        session_.Ninefold_GotFocus(1);
    }
}

void frmGame::LayoutCandidatePanel() {
    const QSize box(kSolveBoxWidth, kSolveBoxHeight);
    for (int i = 1; i <= kCellCount; ++i) {
        Solve(i)->move(panel_->contentsRect().topLeft() + BoxPosition(i, box, QPoint(0, 10)));
        Solve(i)->show();
    }
    const QPoint last = BoxPosition(kCellCount, box, QPoint(0, 10));
    panel_->setInnerSize(
        QSize(last.x() + kSolveBoxWidth + kBlockGap, last.y() + kSolveBoxHeight + kBlockGap));
    panel_->show();
    panel_->raise();
}

void frmGame::placeCandidatePanel() {
    CellBox* last = cells_[kCellCount];
    panel_->move(last->x() + last->width() + 15, kPanelTop);
}

void frmGame::drawPanelHeader() {
    //: Above the candidate panel; a double-click on it lists the digits still possible in each
    //: cell, box by box.
    const QString header = QCoreApplication::translate(
        "frmGame", "Double-Click: Show available numbers for each block");
    const QFontMetrics metrics(panel_->font());
    const int x = (panel_->innerSize().width() - metrics.horizontalAdvance(header)) / 2;
    panel_->setHeader(header, QPoint(x, 3));
}

// The command line's text, opened as a puzzle file when it names one.
void frmGame::openCommandLineFile() {
    files().OpenCommandLine();
}

// The mouse-wheel object that steps the current cell.
void frmGame::hookMouseWheel() {
    clsMouseWheel = std::make_shared<CMouseWheel>();
    connect(
        clsMouseWheel.get(), &CMouseWheel::MouseWheel, this,
        [this](int16_t& direct, bool& cancel) {
            session_.clsMouseWheel_MouseWheel(direct, cancel);
        },
        Qt::DirectConnection);
    clsMouseWheel->setForm(this);
    clsMouseWheel->SubClassHookForm();
}

// --- menu commands --------------------------------------------------------------------------

void frmGame::mnuLoad_Click() {
    files().mnuLoad_Click();
}

void frmGame::mnuSave_Click() {
    files().mnuSave_Click();
}

// A recent-file entry of the File menu (0-based, as the entries are indexed).
void frmGame::mnuRecentFile_Click(int index) {
    files().mnuRecentFile_Click(index);
}

void frmGame::mnuExit_Click() {
    session_.mnuExit_Click();
}

void frmGame::mnuNewGame_Click() {
    session_.mnuNewGame_Click();
}

void frmGame::mnuGenerate_Click() {
    session_.mnuGenerate_Click();
}

void frmGame::mnuSolve_Click() {
    session_.mnuSolve_Click();
}

void frmGame::mnuCheck_Click() {
    session_.mnuCheck_Click();
}

void frmGame::mnuClear_Click() {
    session_.mnuClear_Click();
}

void frmGame::mnuAbout_Click() {
    session_.mnuAbout_Click();
}

// --- window events --------------------------------------------------------------------------

bool frmGame::event(QEvent* event) {
    if (waitWindowHoldsInput(event)) {
        return true;
    }
    return QMainWindow::event(event);
}

void frmGame::closeEvent(QCloseEvent* event) {
    // The window manager's close button still works on a disabled window.
    if (session_.DeferClose()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmGame::Form_Unload() {
    releaseMouseWheel();
    closeWaitWindow();
}

// The mouse-wheel object is let go. The hook keeps it until the window is gone, and a turn in
// that span reaches no handler.
void frmGame::releaseMouseWheel() {
    if (!clsMouseWheel) {
        return;
    }
    disconnect(clsMouseWheel.get(), nullptr, this, nullptr);
    clsMouseWheel->setForm(nullptr);
    clsMouseWheel.reset();
}

void frmGame::keyPressEvent(QKeyEvent* event) {
    // Reached only when no cell box has the focus; the window still sees the key.
    const KeyStroke stroke = TranslateKey(*event);
    session_.Form_KeyDown(stroke.code, stroke.shift);
    event->accept();
}

// A drag of files or text over the window; text without a file is read as a paste.
void frmGame::dragEnterEvent(QDragEnterEvent* event) {
    if (TakeTextAsCopy(event) == TextDrag::NotText) {
        files().DragEnter(event);
    }
}

// Files dropped on the window: the first one opens. Text without a file is read as a paste.
void frmGame::dropEvent(QDropEvent* event) {
    switch (TakeTextAsCopy(event)) {
        case TextDrag::Copied:
            session_.OpenPuzzleText(event->mimeData()->text());
            break;
        case TextDrag::NotText:
            files().Drop(event);
            break;
        case TextDrag::Refused:
            break;
    }
}

// --- the wait window ------------------------------------------------------------------------

void frmGame::showWaitWindow(bool cancellable) {
    setEnabled(false);
    if (!wait_) {
        wait_ = std::make_unique<frmWait>(session_.EscPressed(), [this] { onWaitWindowClosed(); });
        wait_->setFont(font());
    }
    wait_->setWaitText(cancellable ? WaitCancelText() : WaitText());
    wait_->present(*this);
}

void frmGame::closeWaitWindow() {
    if (!wait_) {
        return;
    }
    wait_->closeWindow();
    wait_.reset();
}

bool frmGame::waitWindowHoldsInput(QEvent* event) {
    if (!wait_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::WindowActivate:
            // A click on this window, or the window manager switching to it, activates it
            // although it is disabled; the wait window takes the activation straight back so
            // that Esc keeps reaching it. Queued, as the activation is still being delivered.
            QTimer::singleShot(0, wait_.get(), [wait = wait_.get()] {
                wait->activateWindow();
                wait->setFocus(Qt::ActiveWindowFocusReason);
            });
            return false;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // A key that came here before the hand-back is the wait window's key.
            QCoreApplication::sendEvent(wait_.get(), event);
            return true;
        default:
            return false;
    }
}

void frmGame::onWaitWindowClosed() {
    setEnabled(true);
    // Disabling took the focus from the current cell; give it back as the platform does
    // when a disabled window is enabled again.
    if (session_.CurrentCell() != 0 && isVisible()) {
        activateWindow();
        session_.FocusCurrentCell();
    }
}

// --- the session's view ---------------------------------------------------------------------

void frmGame::focusCell(int i, bool byPointer) {
    cells_[i]->setFocus(byPointer ? Qt::MouseFocusReason : Qt::OtherFocusReason);
}

bool frmGame::isActive() const {
    return QApplication::activeWindow() == this;
}

void frmGame::moveFocusFrame(int i) {
    shape1_->move(cells_[i]->x() - 1, cells_[i]->y() - 1);
}

void frmGame::showCandidates(int i, const std::array<uint8_t, 9>& entries) {
    Solve(i)->drawEntries(entries);
    AnnounceShownValue(Solve(i));
}

QSize frmGame::panelInnerSize() const {
    return panel_->innerSize();
}

QPoint frmGame::panelPosition() const {
    return panel_->pos();
}

void frmGame::movePanel(QPoint to) {
    panel_->move(to);
}

void frmGame::processEvents() {
    QCoreApplication::processEvents();
}

// A search rewrites cells far faster than anyone can listen: a screen reader hears of the
// cells that changed once the operation is over.
void frmGame::announceCells() {
    for (int i = 1; i <= kCellCount; ++i) {
        AnnounceShownValue(cells_[i]);
    }
}

void frmGame::closeWindow() {
    close();
}

QString frmGame::clipboardText() const {
    return QGuiApplication::clipboard()->text();
}

void frmGame::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

}  // namespace ninefold
