// The board as one line of text on the clipboard, and board lines coming in by paste or by a
// text drop: either way the line is written as a load writes a puzzle file.
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>

#include "engine/board_text.h"
#include "ui/game_window.h"
#include "ui/key_codes.h"

namespace ninefold {

namespace {

constexpr const char* kNoPuzzleText = "The clipboard holds no puzzle.";

constexpr int kLetterC = KeyCode::LetterA + ('C' - 'A');
constexpr int kLetterV = KeyCode::LetterA + ('V' - 'A');

bool isPasteKey(int keyCode, int shift) {
    return (keyCode == KeyCode::Insert && shift == ShiftState::Shift) ||
           (keyCode == kLetterV && shift == ShiftState::Ctrl);
}

// Ctrl+C alone stays the Check Diagram shortcut.
bool isCopyKey(int keyCode, int shift) {
    return (keyCode == KeyCode::Insert && shift == ShiftState::Ctrl) ||
           (keyCode == kLetterC && shift == (ShiftState::Ctrl | ShiftState::Shift));
}

// Text that a drop brings in place of files: a drop of links, to files or not, stays a file
// drop (Qt offers a link list as text too).
bool carriesTextOnly(const QMimeData* data) {
    return data != nullptr && !data->hasUrls() && data->hasText();
}

enum class TextDrag { NotText, Refused, Copied };

// Takes a text drag or drop as a copy, never a move: the text stays where the player dragged
// it from. Anything but text is left to the file drop's handling.
TextDrag takeTextAsCopy(QDropEvent* event) {
    if (!carriesTextOnly(event->mimeData())) {
        return TextDrag::NotText;
    }
    if (!event->possibleActions().testFlag(Qt::CopyAction)) {
        event->ignore();
        return TextDrag::Refused;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return TextDrag::Copied;
}

}  // namespace

bool frmGame::clipboardKey(int keyCode, int shift) {
    if (isPasteKey(keyCode, shift)) {
        PasteBoard();
        return true;
    }
    if (isCopyKey(keyCode, shift)) {
        CopyBoard();
        return true;
    }
    return false;
}

void frmGame::PasteBoard() {
    OpenPuzzleText(QGuiApplication::clipboard()->text());
}

void frmGame::CopyBoard() {
    if (operationRunning_) {
        return;
    }
    const std::string line = BoardToLine(board_) + "\n";
    QGuiApplication::clipboard()->setText(
        QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
}

void frmGame::OpenPuzzleText(const QString& text) {
    if (operationRunning_) {
        return;
    }
    // Trimmed here as well, so blanks that are not ASCII (a no-break space copied from a web
    // page) count as blanks too.
    const QByteArray bytes = text.trimmed().toUtf8();
    const std::optional<CellGrid> grid =
        ParsePuzzleText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (!grid) {
        messages().exclamation(kNoPuzzleText);
        return;
    }
    board_.WriteCells(*grid);
}

bool frmGame::textDragEnter(QDragEnterEvent* event) {
    return takeTextAsCopy(event) != TextDrag::NotText;
}

bool frmGame::textDrop(QDropEvent* event) {
    const TextDrag taken = takeTextAsCopy(event);
    if (taken == TextDrag::Copied) {
        OpenPuzzleText(event->mimeData()->text());
    }
    return taken != TextDrag::NotText;
}

}  // namespace ninefold
