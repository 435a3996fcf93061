// The shared game-window fixture and the tests' main, which runs Qt on the offscreen platform
// unless told otherwise.
#include "tests/ui/game_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include "engine/board_text.h"
#include "ui/candidate_panel.h"
#include "ui/cell_box.h"
#include "ui/focus_frame.h"
#include "ui/paint_scheduler.h"
#include "ui/solve_box.h"
#include "ui/wait_window.h"

namespace ninefold::testing {

void PrintTo(const Shown& shown, std::ostream* out) {
    static const char* const kNames[] = {"information", "exclamation", "question", "plain"};
    *out << kNames[static_cast<int>(shown.box)] << "(\"" << shown.text << "\")";
}

void ScriptedMessages::record(Box box, const std::string& text) {
    shown.push_back({box, text});
    if (onShow) {
        onShow();
    }
}

bool ScriptedMessages::question(const std::string& text) {
    record(Box::Question, text);
    if (answers.empty()) {
        return true;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void GameTest::SetUp() {
    game = std::make_unique<frmGame>();
    session().setMessageSeam(&messages);
    game->Form_Load();
    game->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(game.get()));
}

void GameTest::TearDown() {
    game.reset();
    settle();
}

void GameTest::load(const char* line) {
    const std::optional<CellGrid> grid = ParseBoardLine(line);
    ASSERT_TRUE(grid.has_value());
    session().board().WriteCells(*grid);
}

std::string GameTest::digits() const {
    return BoardToLine(session().board());
}

CellBox* GameTest::cellBox(int i) const {
    return game->findChild<CellBox*>(QStringLiteral("Ninefold%1").arg(i));
}

SolveBox* GameTest::solveBox(int i) const {
    return game->findChild<SolveBox*>(QStringLiteral("Solve%1").arg(i));
}

CandidatePanel* GameTest::candidatePanel() const {
    return game->findChild<CandidatePanel*>(QStringLiteral("picSolveHolder"));
}

QWidget* GameTest::focusFrame() const {
    return game->findChild<FocusFrame*>(QStringLiteral("Shape1"));
}

QMenu* GameTest::menu(const char* name) const {
    return game->findChild<QMenu*>(QString::fromLatin1(name));
}

QAction* GameTest::action(const char* name) const {
    return game->findChild<QAction*>(QString::fromLatin1(name));
}

frmWait* GameTest::waitWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* wait = qobject_cast<frmWait*>(window)) {
            return wait;
        }
    }
    return nullptr;
}

void GameTest::flushPaints() const {
    game->findChild<PaintScheduler*>(QStringLiteral("paints"))->Flush();
}

void GameTest::settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

}  // namespace ninefold::testing

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
