// The game window frmGame: owns the Board, shows it as 81 cell boxes with a focus frame and a
// movable candidate panel, and turns menu commands, keys and mouse input into Board operations.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/board.h"
#include "engine/generator.h"
#include "engine/solver.h"
#include "files/file_commands.h"
#include "ui/message_seam.h"

class QAction;
class QMenu;
class QMimeData;
class QDragEnterEvent;
class QDropEvent;

namespace ninefold {

class CellBox;
class CMouseWheel;
class FocusFrame;
class CandidatePanel;
class SolveBox;
class frmWait;

class frmGame : public QMainWindow, public CellPainter, public SearchHost {
    Q_OBJECT

  public:
    explicit frmGame(QWidget* parent = nullptr);
    ~frmGame() override;

    // The start-up sequence: sizes, centres and shows the window, lays out the grid and the
    // candidate panel, and hands over to the files and desktop start-up steps.
    void Form_Load();

    Board& board() { return board_; }
    const Board& board() const { return board_; }

    // The indexed controls, 1–81.
    CellBox* Ninefold(int i) const { return cells_[i]; }
    SolveBox* Solve(int i) const;
    FocusFrame* Shape1() const { return shape1_; }
    CandidatePanel* picSolveHolder() const { return panel_; }
    // The open wait window, or nullptr.
    frmWait* WaitWindow() const { return wait_.get(); }
    QAction* mnuRecentFile(int i) const { return mnuRecentFileItems[i]; }

    // Message boxes go through this seam; tests install a scripted one.
    void setMessageSeam(MessageSeam* seam) { messages_ = seam; }
    MessageSeam& messages() { return *messages_; }

    // Window state besides the Board.
    int16_t CurrentCell = 0;
    int16_t LastButton = 0;
    bool PanelDragging = false;
    int16_t PanelGrabX = 0;
    int16_t PanelGrabY = 0;

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

    // Keys: the window sees every key first, then the focused cell box gets it.
    void Form_KeyDown(int keyCode, int shift);
    void Ninefold_KeyDown(int i, int keyCode, int shift);
    void Ninefold_MouseDown(int i, int button, int shift, int x, int y);
    void Ninefold_DblClick(int i);
    void Ninefold_MouseMove(int i, int buttons, int shift, int x, int y);
    void Ninefold_GotFocus(int i);

    // Candidate panel: x and y in the panel's inner area.
    void picSolveHolder_DblClick();
    void picSolveHolder_MouseDown(int button, int shift, double x, double y);
    void picSolveHolder_MouseMove(int buttons, int shift, double x, double y);
    void picSolveHolder_MouseUp(int button, int shift, double x, double y);
    void DrawCandidates();

    // The wait window around long operations.
    void ShowWaitWindow(bool cancellable);
    void CloseWaitWindow();
    // True from the start of a long operation until it has returned.
    bool OperationRunning() const { return operationRunning_; }

    // Menu commands.
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

    // Board painter: marks the cell box for a repaint; repaints reach the screen at most once
    // per display frame.
    void PaintCell(int index, const CellState& cell, BackColour back) override;
    // Marks every cell box changed since the last frame for repainting now.
    void FlushCellPaints();

    // The search's host: messages, wait window and the event pump.
    void SearchRefused(PreSearchVerdict verdict) override;
    void SearchStarting() override;
    bool PumpEvents() override;
    void SearchEnded() override;

    // Drops of files on the window, the cell boxes and the panel all arrive here; a drop of
    // text without a file is read as a paste.
    void fileDragEnter(QDragEnterEvent* event);
    void fileDrop(QDropEvent* event);

    // The clipboard: Shift+Insert and Ctrl+V paste a board line, Ctrl+Insert and Ctrl+Shift+C
    // copy the board as one.
    void PasteBoard();
    void CopyBoard();
    // Writes a text holding one board line as a load does; any other text is refused with a
    // message and leaves the board as it is. Ignored while an operation runs.
    void OpenPuzzleText(const QString& text);
    // The file commands behind Load, Save as, the recent entries, the command line and drops.
    FileCommands& files();

    // The mouse-wheel object hooked at start-up and its event: one step of CurrentCell.
    std::shared_ptr<CMouseWheel> clsMouseWheel;
    void clsMouseWheel_MouseWheel(int16_t& direct, bool& Cancel);

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void createMenus();
    void menuClosed();
    void createControls();

    // Start-up steps, in the order Form_Load runs them.
    void configureFileDialog();
    void sizeClientArea();
    void centreOnScreen();
    void initialiseRecentFiles();
    void seedRandom();
    void LayoutCells();
    void LayoutCandidatePanel();
    void resetCandidates();
    void placeCandidatePanel();
    void drawPanelHeader();
    void openCommandLineFile();
    void hookMouseWheel();

    // Closing steps.
    void Form_Unload();
    void releaseMouseWheel();

    // The window's own hot keys; true when the key was one of them.
    bool windowHotKey(int keyCode, int shift);
    // The clipboard keys; true when the key was one of them.
    bool clipboardKey(int keyCode, int shift);
    // A text drop, taken when the drag or drop carries text and no file.
    bool textDragEnter(QDragEnterEvent* event);
    bool textDrop(QDropEvent* event);

    // After a long operation: closes the window when a close came in meanwhile.
    bool finishOperation();
    // Tells the accessibility layer of every cell box whose shown value changed.
    void announceCells();
    void onWaitWindowClosed();
    // While the wait window is up: hands activation back to it and passes it the keys that
    // still reach this window. True when the event was taken.
    bool waitWindowHoldsInput(QEvent* event);

    Board board_;
    std::array<CellBox*, kCellCount + 1> cells_{};
    FocusFrame* shape1_ = nullptr;
    CandidatePanel* panel_ = nullptr;
    std::unique_ptr<frmWait> wait_;
    std::unique_ptr<SeededRandom> random_;

    QtMessageSeam qtMessages_{this};
    MessageSeam* messages_ = &qtMessages_;
    std::unique_ptr<FileCommands> files_;

    bool operationRunning_ = false;
    bool closeRequested_ = false;

    // The search lets window events through at most once per this interval.
    static constexpr qint64 kPumpIntervalNanoseconds = 1'000'000;
    QElapsedTimer pumpClock_;

    std::bitset<kCellCount + 1> dirtyCells_;
    bool paintPending_ = false;
    QTimer paintTimer_;
    QElapsedTimer sinceLastFlush_;
};

}  // namespace ninefold
