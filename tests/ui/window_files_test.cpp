// The file commands inside the real game window: the command line at start-up, drops on the
// window, a cell box and the candidate panel, and the recent entries of its File menu.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <QAction>
#include "files/puzzle_file.h"
#include "files/recent_list.h"
#include "tests/files/temp_folder.h"

#include "ui/candidate_panel.h"
#include "ui/cell_box.h"
#include "ui/file_commands.h"
#include "ui/game_window.h"

namespace ninefold {
namespace {

using test::WriteBytes;

class AnsweringMessages : public MessageSeam {
  public:
    void information(const std::string& text) override { shown.push_back(text); }
    void exclamation(const std::string& text) override { shown.push_back(text); }
    bool question(const std::string& text) override {
        shown.push_back(text);
        return answer;
    }
    void plain(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
    bool answer = false;
};

QAction* action(const frmGame& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

class WindowFilesTest : public ::testing::Test {
  protected:
    WindowFilesTest() {
        SetProgramFolderForTesting(qpath(folder.Path()));
        window.session().setMessageSeam(&messages);
        std::string bytes(kPuzzleFileSize, '\0');
        bytes[0] = 8;
        bytes[1] = bytes[2] = '\x01';
        std::filesystem::create_directory(folder / "my games");
        WriteBytes(puzzle, bytes);
    }
    ~WindowFilesTest() override { SetProgramFolderForTesting(QString()); }

    void start(const QString& commandLine) {
        window.files().SetCommandLine(commandLine);
        window.Form_Load();
    }
    void drop(QWidget* target, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent dropped(QPointF(3, 3), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropped);
    }
    RecentEntries listed() const { return ReadRecentList(folder / "Recent Files.txt").entries; }

    test::TempFolder folder;
    std::filesystem::path puzzle = folder / "my games" / "eight.nfd";
    AnsweringMessages messages;
    frmGame window;
};

TEST_F(WindowFilesTest, QuotedCommandLineOpensThePuzzleAndShowsItInTheMenu) {
    start(QLatin1Char('"') + qpath(puzzle) + QLatin1Char('"'));
    EXPECT_EQ(window.session().board().Cells[1], (CellState{8, true}));
    EXPECT_EQ(listed(), RecentEntries{puzzle.string()});
    EXPECT_TRUE(action(window, "SepRecent")->isVisible());
    EXPECT_TRUE(action(window, "mnuRecentFile")->isVisible());
    EXPECT_EQ(action(window, "mnuRecentFile")->text(), QStringLiteral("1 ") + qpath(puzzle));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WindowFilesTest, EmptyOrWrongCommandLineOpensNothingAndShowsNothing) {
    for (const QString& text : {QString(), qpath(folder / "missing.nfd")}) {
        frmGame other;
        other.session().setMessageSeam(&messages);
        other.files().SetCommandLine(text);
        other.Form_Load();
        EXPECT_EQ(other.session().board().ReadCells(), CellGrid{}) << text.toStdString();
        EXPECT_FALSE(action(other, "SepRecent")->isVisible());
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "Recent Files.txt"));
}

TEST_F(WindowFilesTest, DropsOnTheWindowACellAndThePanelOpenTheFile) {
    start(QString());
    QWidget* targets[] = {window.findChild<CellBox*>("Ninefold40"),
                          window.findChild<CandidatePanel*>("picSolveHolder"), &window};
    for (QWidget* target : targets) {
        window.session().board().SetCell(1, 0, false, BackColour::Yellow);
        drop(target, {QUrl::fromLocalFile(qpath(puzzle))});
        EXPECT_EQ(window.session().board().Cells[1], (CellState{8, true}))
            << target->objectName().toStdString();
        EXPECT_EQ(window.session().board().Background(1), BackColour::White);
    }
    // Only the first local file of a drop opens, whatever its name; a drop without one
    // changes nothing.
    const auto other = folder / "other.txt";
    WriteBytes(other, std::string(kPuzzleFileSize, '\x03'));
    drop(window.findChild<CellBox*>("Ninefold1"),
         {QUrl(QStringLiteral("https://example.org/x.nfd")), QUrl::fromLocalFile(qpath(other)),
          QUrl::fromLocalFile(qpath(puzzle))});
    EXPECT_EQ(window.session().board().Cells[1], (CellState{3, true}));
    EXPECT_EQ(listed(), (RecentEntries{other.string(), puzzle.string()}));
    drop(window.findChild<CellBox*>("Ninefold1"),
         {QUrl(QStringLiteral("https://example.org/eight.nfd"))});
    EXPECT_EQ(window.session().board().Cells[1], (CellState{3, true}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WindowFilesTest, RecentEntryOfAFileThatHasGoneAsksBeforeRemovingIt) {
    start(qpath(puzzle));
    std::filesystem::remove(puzzle);
    action(window, "mnuRecentFile")->trigger();
    ASSERT_EQ(messages.shown,
              std::vector<std::string>{puzzle.string() + " not found!\r\nRemove it?"});
    EXPECT_EQ(listed(), RecentEntries{puzzle.string()});
    messages.answer = true;
    action(window, "mnuRecentFile")->trigger();
    EXPECT_EQ(std::filesystem::file_size(folder / "Recent Files.txt"), 0U);
    EXPECT_FALSE(action(window, "SepRecent")->isVisible());
    EXPECT_FALSE(action(window, "mnuRecentFile")->isVisible());
}

}  // namespace
}  // namespace ninefold
