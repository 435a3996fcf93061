// The board line on the clipboard and coming in by paste or text drop: the line is written
// as a load writes a puzzle file.
#include "ui/board_clipboard.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>

#include "engine/board_text.h"
#include "ui/key_codes.h"

namespace ninefold {

std::string NoPuzzleText() {
    //: A paste or a dropped text that is not a line of 81 cells.
    return QCoreApplication::translate("GameSession", "The clipboard holds no puzzle.")
        .toStdString();
}

namespace {

constexpr int kLetterC = KeyCode::LetterA + ('C' - 'A');
constexpr int kLetterV = KeyCode::LetterA + ('V' - 'A');

// Text that a drop brings in place of files: a drop of links, to files or not, stays a file
// drop (Qt offers a link list as text too).
bool carriesTextOnly(const QMimeData* data) {
    return data != nullptr && !data->hasUrls() && data->hasText();
}

}  // namespace

bool IsPasteKey(int keyCode, int shift) {
    return (keyCode == KeyCode::Insert && shift == ShiftState::Shift) ||
           (keyCode == kLetterV && shift == ShiftState::Ctrl);
}

bool IsCopyKey(int keyCode, int shift) {
    return (keyCode == KeyCode::Insert && shift == ShiftState::Ctrl) ||
           (keyCode == kLetterC && shift == (ShiftState::Ctrl | ShiftState::Shift));
}

QString BoardLineText(const Board& board) {
    const std::string line = BoardToLine(board) + "\n";
    return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
}

std::optional<CellGrid> PuzzleFromText(const QString& text) {
    // Trimmed here as well, so blanks that are not ASCII (a no-break space copied from a web
    // page) count as blanks too.
    const QByteArray bytes = text.trimmed().toUtf8();
    return ParsePuzzleText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

TextDrag TakeTextAsCopy(QDropEvent* event) {
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

}  // namespace ninefold
