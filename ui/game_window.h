// The game window frmGame: creates the menus, the 81 cell boxes with their focus frame and the
// movable candidate panel, forwards menu commands and window events to the game session, and
// is the session's view of the screen.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

#include "engine/board.h"
#include "ui/game_session.h"
#include "ui/game_view.h"
#include "ui/qt_message_seam.h"

class QAction;
class QMenu;

namespace ninefold {

class CellBox;
class CandidatePanel;
class CMouseWheel;
class FileCommands;
class FocusFrame;
class PaintScheduler;
class SolveBox;
class frmWait;

class frmGame : public QMainWindow, private GameView {
    Q_OBJECT

  public:
    explicit frmGame(QWidget* parent = nullptr);
    ~frmGame() override;

    // The start-up sequence: sizes, centres and shows the window, lays out the grid and the
    // candidate panel, and hands over to the files and desktop start-up steps.
    void Form_Load();

    // The game behind the window: the Board, the input handlers and the commands.
    GameSession& session() { return session_; }
    // Load, Save as, the recent entries, the command line and file drops.
    FileCommands& files();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Drops anywhere on the window arrive here: the cell boxes and the panel take none.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private slots:
    void mnuLoad_Click();
    void mnuSave_Click();
    void mnuRecentFile_Click(int index);
    void mnuExit_Click();
    void mnuNewGame_Click();
    void mnuGenerate_Click();
    void mnuSolve_Click();
    void mnuCheck_Click();
    void mnuClear_Click();
    void mnuAbout_Click();

  private:
    void createMenus();
    void menuClosed();
    void createControls();

    // Start-up steps, in the order Form_Load runs them.
    void configureFileDialog();
    void initialiseRecentFiles();
    void LayoutCells();
    void LayoutCandidatePanel();
    void placeCandidatePanel();
    void drawPanelHeader();
    void openCommandLineFile();
    void hookMouseWheel();

    // Closing steps.
    void Form_Unload();
    void releaseMouseWheel();

    CellBox* Ninefold(int i) const { return cells_[i]; }
    SolveBox* Solve(int i) const;

    // The session's view of the screen.
    void focusCell(int i, bool byPointer) override;
    bool isActive() const override;
    void moveFocusFrame(int i) override;
    void showCandidates(int i, const std::array<uint8_t, 9>& entries) override;
    QSize panelInnerSize() const override;
    QPoint panelPosition() const override;
    void movePanel(QPoint to) override;
    void showWaitWindow(bool cancellable) override;
    void closeWaitWindow() override;
    void processEvents() override;
    void announceCells() override;
    std::optional<steps::Level> chooseLevel(steps::Level preselected) override;
    void closeWindow() override;
    QString clipboardText() const override;
    void setClipboardText(const QString& text) override;

    void onWaitWindowClosed();
    // While the wait window is up: hands activation back to it and passes it the keys that
    // still reach this window. True when the event was taken.
    bool waitWindowHoldsInput(QEvent* event);

    QtMessageSeam qtMessages_{this};
    GameSession session_{*this, qtMessages_};
    PaintScheduler* paints_ = nullptr;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<frmWait> wait_;
    // The mouse-wheel object hooked at start-up; its event steps the current cell.
    std::shared_ptr<CMouseWheel> clsMouseWheel;

    std::array<CellBox*, kCellCount + 1> cells_{};
    FocusFrame* shape1_ = nullptr;
    CandidatePanel* panel_ = nullptr;

    // Menus, in menu order.
    QMenu* mnuFile = nullptr;
    QAction* mnuLoad = nullptr;
    QAction* mnuSave = nullptr;
    QAction* SepRecent = nullptr;
    std::vector<QAction*> mnuRecentFileItems;  // element 0 is the hidden template
    QAction* Sep1 = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuGame = nullptr;
    QAction* mnuNewGame = nullptr;
    QAction* Sep3 = nullptr;
    QAction* mnuGenerate = nullptr;
    QAction* mnuSolve = nullptr;
    QAction* mnuCheck = nullptr;
    QAction* Sep2 = nullptr;
    QAction* mnuClear = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;
};

}  // namespace ninefold
