// Board lines through the clipboard and text drops, and what the accessibility layer reads
// from the candidate boxes and the wait window.
#include <QAccessible>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "tests/ui/game_fixture.h"
#include "ui/candidate_panel.h"
#include "ui/cell_box.h"
#include "ui/solve_box.h"
#include "ui/wait_window.h"

namespace ninefold::testing {
namespace {

constexpr const char* kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const Shown kNoPuzzle{Box::Exclamation, "The clipboard holds no puzzle."};

void setClipboard(const char* text) {
    QGuiApplication::clipboard()->setText(QString::fromLatin1(text));
}

std::string clipboard() {
    return QGuiApplication::clipboard()->text().toStdString();
}

// A drag that enters and drops, as the platform delivers it; the drop action it ends with.
Qt::DropAction drop(QWidget* target, QMimeData& data, Qt::DropActions offered) {
    QDragEnterEvent enter(QPoint(3, 3), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent dropped(QPointF(3, 3), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropped);
    return dropped.isAccepted() ? dropped.dropAction() : Qt::IgnoreAction;
}

QString accessibleText(QObject* object, QAccessible::Text t) {
    return QAccessible::queryAccessibleInterface(object)->text(t);
}

using ClipboardTest = GameTest;

TEST_F(ClipboardTest, BothPasteKeysWriteTheLineAsALoadDoes) {
    for (const Qt::KeyboardModifiers modifiers : {Qt::ShiftModifier, Qt::ControlModifier}) {
        const Qt::Key key = modifiers == Qt::ShiftModifier ? Qt::Key_Insert : Qt::Key_V;
        session().board().SetCell(3, 4, false, BackColour::Yellow);
        session().board().SetCell(1, 9, true, BackColour::Yellow);
        setClipboard((std::string(" \r\n") + kPuzzle + "\r\n").c_str());
        QTest::keyClick(cellBox(40), key, modifiers);
        EXPECT_EQ(digits(), kPuzzle);
        for (int i = 1; i <= kCellCount; ++i) {
            EXPECT_EQ(cell(i).Fixed, cell(i).Digit != 0) << i;
            EXPECT_EQ(session().board().Background(i), BackColour::White) << i;
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ClipboardTest, AnythingButOnePuzzleLineIsRefusedAndTheBoardStays) {
    const std::string twoLines = std::string(kPuzzle) + "\n" + kPuzzle;
    load(kPuzzle);
    session().board().SetCell(3, 4, false, BackColour::Yellow);
    const std::string before = digits();
    for (const char* text : {"", "hello", twoLines.c_str(), kPuzzle + 1}) {
        setClipboard(text);
        QTest::keyClick(cellBox(1), Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(messages.shown, std::vector<Shown>(4, kNoPuzzle));
    EXPECT_EQ(digits(), before);
    EXPECT_EQ(session().board().Background(3), BackColour::Yellow);
}

TEST_F(ClipboardTest, CopyKeysPutEveryDigitOnOneLineAndCtrlCStillChecks) {
    load(kPuzzle);
    session().board().SetCell(3, 4, false, BackColour::White);
    std::string expected = kPuzzle;
    expected[2] = '4';
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Insert, Qt::ControlModifier},
        {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier},
    };
    for (const auto& [key, modifiers] : keys) {
        setClipboard("before");
        QTest::keyClick(cellBox(5), key, modifiers);
        EXPECT_EQ(clipboard(), expected + "\n");
    }
    EXPECT_TRUE(messages.shown.empty());

    setClipboard("before");
    QTest::keyClick(cellBox(5), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), "before");
    ASSERT_EQ(messages.shown.size(), 1U) << "Check Diagram reports";
}

TEST_F(ClipboardTest, TextDropsAreCopiedInAsPastesWhereverTheyLand) {
    QWidget* targets[] = {game.get(), cellBox(17), candidatePanel()};
    for (QWidget* target : targets) {
        session().board().WriteCells(CellGrid{});
        QMimeData data;
        data.setText(QString::fromLatin1(kPuzzle));
        EXPECT_EQ(drop(target, data, Qt::CopyAction | Qt::MoveAction), Qt::CopyAction);
        EXPECT_EQ(digits(), kPuzzle) << target->objectName().toStdString();
    }
    QMimeData words;
    words.setText(QStringLiteral("not a puzzle"));
    drop(cellBox(1), words, Qt::CopyAction);
    EXPECT_EQ(messages.shown, std::vector<Shown>{kNoPuzzle});

    // Text that may only be moved is left where it is.
    session().board().WriteCells(CellGrid{});
    QMimeData moveOnly;
    moveOnly.setText(QString::fromLatin1(kPuzzle));
    EXPECT_EQ(drop(cellBox(1), moveOnly, Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_EQ(digits(), std::string(81, '.'));
}

// The cells' own names and values are read over the real accessibility bus end to end.
TEST_F(ClipboardTest, CandidateBoxesReadOutTheDigitsTheyList) {
    session().board().SetCell(23, 7, true, BackColour::White);
    EXPECT_EQ(accessibleText(solveBox(25), QAccessible::Value), QString());
    session().picSolveHolder_DblClick();
    EXPECT_EQ(accessibleText(solveBox(25), QAccessible::Name),
              QStringLiteral("Candidates of row 3, column 7"));
    EXPECT_EQ(accessibleText(solveBox(25), QAccessible::Value), QStringLiteral("1 2 3 4 5 6 8 9"));
    EXPECT_EQ(accessibleText(solveBox(23), QAccessible::Value), QStringLiteral("none"));
}

TEST_F(ClipboardTest, TheWaitWindowReadsOutItsText) {
    session().ShowWaitWindow(true);
    frmWait* wait = waitWindow();
    ASSERT_NE(wait, nullptr);
    const QString shown = wait->lblWait()->text();
    EXPECT_EQ(accessibleText(wait->lblWait(), QAccessible::Name), shown);
    EXPECT_EQ(accessibleText(wait, QAccessible::Description), shown);
    EXPECT_TRUE(shown.contains(QStringLiteral("Press Esc to cancel")));
    session().CloseWaitWindow();
}

}  // namespace
}  // namespace ninefold::testing
