// The game window's file commands: Load, Save as, the recent-file entries and file drops.
#include <QDragEnterEvent>
#include <QDropEvent>

#include "ui/game_window.h"

namespace ninefold {

FileCommands& frmGame::files() {
    if (!files_) {
        // The seam is looked up at each message, so a seam installed later is the one used.
        FileCommands::Messages messages{
            [this](const std::string& text) { this->messages().exclamation(text); },
            [this](const std::string& text) { return this->messages().question(text); }};
        files_ = std::make_unique<FileCommands>(this, board_, std::move(messages));
    }
    return *files_;
}

// Start-up: the file dialog reports Cancel to its caller as a cancellation, as Qt's dialog
// always does; creating the commands creates the dialog.
void frmGame::configureFileDialog() {
    files();
}

// Start-up: the recent-files list, read from "Recent Files.txt" (see RecentListPath).
void frmGame::initialiseRecentFiles() {
    files().InitializeRecentFiles(&mnuRecentFileItems, SepRecent,
                                  [this](int index) { mnuRecentFile_Click(index); });
}

// Start-up: the command line's text, opened as a puzzle file when it names one.
void frmGame::openCommandLineFile() {
    files().OpenCommandLine();
}

// File > Load: the Open dialog, then the chosen file into the Board.
void frmGame::mnuLoad_Click() {
    files().mnuLoad_Click();
}

// File > Save as: the Save dialog, then the Board into the chosen file.
void frmGame::mnuSave_Click() {
    files().mnuSave_Click();
}

// A recent-file entry of the File menu (0-based, as the entries are indexed).
void frmGame::mnuRecentFile_Click(int index) {
    files().mnuRecentFile_Click(index);
}

// A drag of files or text over the window, a cell box or the candidate panel.
void frmGame::fileDragEnter(QDragEnterEvent* event) {
    if (textDragEnter(event)) {
        return;
    }
    files().DragEnter(event);
}

// Files dropped on the window, a cell box or the candidate panel: the first one opens. Text
// without a file is read as a paste.
void frmGame::fileDrop(QDropEvent* event) {
    if (textDrop(event)) {
        return;
    }
    files().Drop(event);
}

}  // namespace ninefold
