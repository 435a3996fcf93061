// Opening, loading and saving through the window's file commands: what reaches the board,
// the recent list and the player, with the dialog answered by a script.
#include <gtest/gtest.h>

#include <deque>

#include "files/puzzle_file.h"
#include "files/recent_list.h"
#include "tests/ui/menu_harness.h"
#include "ui/file_commands.h"

namespace ninefold {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class ScriptedDialog : public PuzzleFileDialog {
  public:
    ScriptedDialog() : PuzzleFileDialog(nullptr) {}
    std::optional<QString> ShowOpen(const QString& folder) override { return answer(folder); }
    std::optional<QString> ShowSave(const QString& folder) override { return answer(folder); }
    std::deque<std::optional<QString>> answers;
    QStringList folders;

  private:
    std::optional<QString> answer(const QString& folder) {
        folders << folder;
        std::optional<QString> next = answers.front();
        answers.pop_front();
        return next;
    }
};

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::string puzzleBytes(uint8_t firstDigit) {
    std::string bytes(kPuzzleFileSize, '\0');
    bytes[0] = static_cast<char>(firstDigit);
    bytes[1] = bytes[2] = '\xFF';
    return bytes;
}

class FileCommandsTest : public ::testing::Test {
  protected:
    FileCommandsTest() {
        auto scripted = std::make_unique<ScriptedDialog>();
        dialog = scripted.get();
        commands.SetDialog(std::move(scripted));
        commands.InitializeRecentFiles(&h.items, h.separator,
                                       [this](int i) { commands.mnuRecentFile_Click(i); });
        board.SetCell(81, 7, true, BackColour::Yellow);
        commands.SetLoaded([this] { ++loads; });
    }

    RecentEntries listed() const { return ReadRecentList(h.ListFile()).entries; }
    void expectBoardUntouched() const {
        EXPECT_EQ(board.Cells[1], (CellState{0, false}));
        EXPECT_EQ(board.Cells[81], (CellState{7, true}));
        EXPECT_EQ(board.Background(81), BackColour::Yellow);
    }

    test::MenuHarness h;
    Board board;
    std::vector<std::string> warnings;
    std::vector<std::string> questions;
    bool answerYes = false;
    FileCommands commands{&h.owner,
                          board,
                          {[this](const std::string& t) { warnings.push_back(t); },
                           [this](const std::string& t) {
                               questions.push_back(t);
                               return answerYes;
                           }}};
    ScriptedDialog* dialog = nullptr;
    int loads = 0;  // the loads the game was told of
};

TEST_F(FileCommandsTest, TextsNamingNoUsablePuzzleChangeNothingAndSayNothing) {
    WriteBytes(h.folder / "empty.nfd", "");
    WriteBytes(h.folder / "short.nfd", puzzleBytes(4).substr(0, 100));
    WriteBytes(h.folder / "a.nfd", puzzleBytes(4));
    std::filesystem::create_directory(h.folder / "dir.nfd");
    const QString texts[] = {
        QString(),
        qpath(h.folder / "missing.nfd"),
        qpath(h.folder / "empty.nfd"),
        qpath(h.folder / "short.nfd"),
        qpath(h.folder / "dir.nfd"),
        qpath(h.folder / "a.nfd") + QLatin1Char(' ') + qpath(h.folder / "a.nfd"),
    };
    for (const QString& text : texts) {
        commands.OpenPuzzleFile(text);
        expectBoardUntouched();
    }
    EXPECT_FALSE(std::filesystem::exists(h.ListFile()));
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(loads, 0);
}

TEST_F(FileCommandsTest, LoadOpensTheChosenFileFromTheProgramFolderOrDoesNothing) {
    WriteBytes(h.folder / "b.nfd", puzzleBytes(2));
    dialog->answers = {std::nullopt, qpath(h.folder / "b.nfd")};
    commands.mnuLoad_Click();
    expectBoardUntouched();
    EXPECT_EQ(loads, 0);
    commands.mnuLoad_Click();
    EXPECT_EQ(board.Cells[1], (CellState{2, true}));
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(listed(), RecentEntries{(h.folder / "b.nfd").string()});
    EXPECT_EQ(dialog->folders, QStringList(2, ProgramFolder()));
}

TEST_F(FileCommandsTest, SaveWritesTheBoardAndLeavesTheListAlone) {
    board.SetCell(1, 5, true, BackColour::White);
    board.SetCell(2, 3, false, BackColour::White);
    board.SetCell(81, 0, false, BackColour::White);
    dialog->answers = {qpath(h.folder / "saved.nfd"), std::nullopt};
    commands.mnuSave_Click();
    std::string expected(kPuzzleFileSize, '\0');
    expected.replace(0, 6, std::string("\x05\xFF\xFF\x03\x00\x00", 6));
    EXPECT_EQ(ReadBytes(h.folder / "saved.nfd"), expected);
    EXPECT_FALSE(std::filesystem::exists(h.ListFile()));

    std::filesystem::remove(h.folder / "saved.nfd");
    commands.mnuSave_Click();  // cancelled
    EXPECT_FALSE(std::filesystem::exists(h.folder / "saved.nfd"));
    EXPECT_TRUE(warnings.empty());
}

TEST_F(FileCommandsTest, FailedSaveTellsThePlayerWhichFileAndWhy) {
    WriteBytes(h.folder / "plain", "not a folder");
    const auto target = h.folder / "plain" / "x.nfd";
    dialog->answers = {qpath(target)};
    commands.mnuSave_Click();
    ASSERT_EQ(warnings.size(), 1U);
    EXPECT_EQ(warnings[0], target.string() + " could not be saved!\r\nNot a directory");
}

TEST_F(FileCommandsTest, ClickedRecentFileLoadsAndMovesToTheTop) {
    WriteBytes(h.folder / "b.nfd", puzzleBytes(3));
    const std::string a = (h.folder / "a.nfd").string();
    const std::string b = (h.folder / "b.nfd").string();
    ASSERT_EQ(WriteRecentList(h.ListFile(), {a, b}), "");
    commands.RecentMenu().CreateRecentMenu();
    h.items[1]->trigger();
    EXPECT_EQ(board.Cells[1], (CellState{3, true}));
    EXPECT_EQ(listed(), (RecentEntries{b, a}));
    EXPECT_EQ(loads, 1);
}

TEST_F(FileCommandsTest, UnwritableListStillLetsThePuzzleLoad) {
    // The list's name is taken by a folder, in a program folder that is the player's.
    std::filesystem::create_directories(h.folder / "plain" / kRecentListName);
    SetProgramFolderForTesting(qpath(h.folder / "plain"));
    Board other;
    FileCommands elsewhere(&h.owner, other, {});
    std::vector<QAction*> items{h.items[0]};
    elsewhere.InitializeRecentFiles(&items, h.separator, {});
    WriteBytes(h.folder / "a.nfd", puzzleBytes(9));
    elsewhere.OpenPuzzleFile(qpath(h.folder / "a.nfd"));
    EXPECT_EQ(other.Cells[1], (CellState{9, true}));
    EXPECT_FALSE(h.separator->isVisible());
}

TEST(FileCommandsText, CommandLineAndListFileNames) {
    EXPECT_EQ(CommandLineText({QStringLiteral("ninefold"), QStringLiteral("/tmp/My"),
                               QStringLiteral("Games/a.nfd")}),
              QStringLiteral("/tmp/My Games/a.nfd"));
    EXPECT_EQ(CommandLineText({QStringLiteral("ninefold")}), QString());
    EXPECT_EQ(RecentListFileIn(QStringLiteral("/")), QStringLiteral("/Recent Files.txt"));
    EXPECT_EQ(RecentListFileIn(QStringLiteral("/opt/nf")),
              QStringLiteral("/opt/nf/Recent Files.txt"));
}

}  // namespace
}  // namespace ninefold
