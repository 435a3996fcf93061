// Load, Save as, the recent entries, the command line and drops, over the plain file code.
#include "ui/file_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "files/puzzle_file.h"
#include "files/qt_paths.h"

namespace ninefold {

QString CommandLineText(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

QString FirstDroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty()) {
            return QDir::toNativeSeparators(url.toLocalFile());
        }
    }
    return {};
}

FileCommands::FileCommands(QWidget* owner, Board& board, Messages messages)
    : owner_(owner),
      board_(board),
      messages_(std::move(messages)),
      dialog_(std::make_unique<PuzzleFileDialog>(owner)),
      commandLine_(CommandLineText(QCoreApplication::arguments())) {}

void FileCommands::InitializeRecentFiles(std::vector<QAction*>* items, QAction* separator,
                                         std::function<void(int)> onClick) {
    recent_.SetClickHandler(std::move(onClick));
    recent_.Initialize(owner_, items, RecentListPath(), separator, 500, 9);
}

bool FileCommands::LoadPuzzle(const QString& path) {
    if (!ninefold::LoadPuzzle(board_, ToFsPath(path)).empty()) {
        return false;
    }
    if (loaded_) {
        loaded_();
    }
    return true;
}

// The list update may fail (a full disk, an unwritable data folder); the board is loaded by then
// and stays loaded, and nothing is said, as with every failure of opening.
void FileCommands::loadAndRemember(const QString& path) {
    if (LoadPuzzle(path)) {
        recent_.AddToList(path);
    }
}

void FileCommands::OpenPuzzleFile(const QString& text) {
    const QString path = QString(text).remove(QLatin1Char('"'));
    if (recent_.FileExisits(path) == 0) {
        return;
    }
    loadAndRemember(path);
}

void FileCommands::mnuLoad_Click() {
    const std::optional<QString> path = dialog_->ShowOpen(DialogFolder());
    if (path) {
        loadAndRemember(*path);
    }
}

void FileCommands::mnuSave_Click() {
    const std::optional<QString> path = dialog_->ShowSave(DialogFolder());
    if (!path) {
        return;
    }
    const std::string error = WritePuzzleFile(ToFsPath(*path), board_.ReadCells());
    // Saying nothing would let the player quit believing the puzzle was kept.
    if (!error.empty() && messages_.exclamation) {
        //: %1 is the file's path; the reason follows on the next line.
        const QString failed =
            QCoreApplication::translate("FileCommands", "%1 could not be saved!");
        messages_.exclamation(failed.arg(*path).toStdString() + "\r\n" + error);
    }
}

void FileCommands::mnuRecentFile_Click(int index) {
    const QString path = recent_.Tag(index);
    if (path.isEmpty()) {
        return;
    }
    if (recent_.FileExisits(path) != 0) {
        loadAndRemember(path);
        return;
    }
    //: A file of the recent-files list is gone; %1 is its path.
    const QString missing = QCoreApplication::translate("FileCommands", "%1 not found!").arg(path);
    //: Asked after "... not found!": whether to take the file off the recent-files list.
    const QString remove = QCoreApplication::translate("FileCommands", "Remove it?");
    const std::string text = (missing + QStringLiteral("\r\n") + remove).toStdString();
    if (messages_.question && messages_.question(text)) {
        recent_.RemoveFromList(path);
    }
}

void FileCommands::DragEnter(QDragEnterEvent* event) {
    if (FirstDroppedFile(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void FileCommands::Drop(QDropEvent* event) {
    const QString path = FirstDroppedFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    OpenPuzzleFile(path);
}

}  // namespace ninefold
