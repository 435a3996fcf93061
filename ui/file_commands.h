// The game window's file commands: loading and opening puzzle files, Load, Save as, the
// recent-file entries, the command line and file drops. The window owns one and forwards
// its handlers here; message boxes go back through the window's own seam.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/board.h"
#include "files/list_location.h"
#include "ui/file_dialog.h"
#include "ui/recent_menu.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QMimeData;
class QWidget;

namespace ninefold {

// The command line's arguments (the program's own name left out) joined by single blanks.
QString CommandLineText(const QStringList& arguments);

// The first local file of a drop, or an empty text when the drop carries none.
QString FirstDroppedFile(const QMimeData* data);

class FileCommands {
  public:
    struct Messages {
        std::function<void(const std::string&)> exclamation;
        std::function<bool(const std::string&)> question;  // true for Yes
    };

    FileCommands(QWidget* owner, Board& board, Messages messages);

    // Start-up: builds the recent entries from the list file at RecentListPath().
    void InitializeRecentFiles(std::vector<QAction*>* items, QAction* separator,
                               std::function<void(int)> onClick);

    // Start-up: the program's arguments as one path, opened as OpenPuzzleFile opens a text.
    void OpenCommandLine() { OpenPuzzleFile(commandLine_); }
    // The arguments are taken when this object is made; tests give their own.
    void SetCommandLine(const QString& text) { commandLine_ = text; }
    // Told after every load that wrote the board, whichever command made it, so the game can
    // forget what belonged to the previous puzzle.
    void SetLoaded(std::function<void()> loaded) { loaded_ = std::move(loaded); }

    // Reads the whole file, then writes every cell; false (and the board untouched) when the
    // file is missing, unreadable, a folder or shorter than a puzzle.
    bool LoadPuzzle(const QString& path);
    // Quotes removed; a text naming no file or an empty one is ignored silently; a file that
    // loads goes to the top of the recent list.
    void OpenPuzzleFile(const QString& text);

    void mnuLoad_Click();
    void mnuSave_Click();
    void mnuRecentFile_Click(int index);
    void DragEnter(QDragEnterEvent* event);
    void Drop(QDropEvent* event);

    clsRecentMenu& RecentMenu() { return recent_; }
    PuzzleFileDialog& Dialog() { return *dialog_; }
    void SetDialog(std::unique_ptr<PuzzleFileDialog> dialog) { dialog_ = std::move(dialog); }

  private:
    void loadAndRemember(const QString& path);

    QWidget* owner_;
    Board& board_;
    Messages messages_;
    clsRecentMenu recent_;
    std::unique_ptr<PuzzleFileDialog> dialog_;
    QString commandLine_;
    std::function<void()> loaded_;
};

}  // namespace ninefold
