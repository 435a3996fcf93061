// Check Diagram: the three-stage text to the character, and the yellow marks it leaves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/board_text.h"
#include "engine/conflicts.h"
#include "engine/diagram_check.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

std::vector<int> yellowCells(const Board& board) {
    std::vector<int> cells;
    for (int i = 1; i <= kCellCount; ++i) {
        if (board.Background(i) == BackColour::Yellow) {
            cells.push_back(i);
        }
    }
    return cells;
}

std::string withCells(std::string_view base, std::initializer_list<std::pair<int, char>> cells) {
    std::string line(base);
    for (const auto& [cell, ch] : cells) {
        line[cell - 1] = ch;
    }
    return line;
}

TEST(CheckDiagram, StageTextsAndMarks) {
    struct Case {
        const char* what;
        std::string board;
        std::string firstTwoLines;
        std::vector<int> marked;
    };
    const std::string empty(81, '.');
    // Row 1 holds 1-8 and cell 81 the 9 of column 9: cell 9 has no digit left.
    const std::string deadNine = withCells(empty, {{1, '1'},
                                                   {2, '2'},
                                                   {3, '3'},
                                                   {4, '4'},
                                                   {5, '5'},
                                                   {6, '6'},
                                                   {7, '7'},
                                                   {8, '8'},
                                                   {81, '9'}});
    const Case cases[] = {
        {"no clash, no dead cell", empty, "1- Entries matched.\r\n2- No logical error found.", {}},
        {"a pair is two errors",
         withCells(empty, {{1, '7'}, {5, '7'}}),
         "1- 2 errors found in entries!\r\n2- No logical error found.",
         {1, 5}},
        {"three equal digits in a row",
         withCells(empty, {{1, '7'}, {5, '7'}, {9, '7'}}),
         "1- 3 errors found in entries!\r\n2- No logical error found.",
         {1, 5, 9}},
        {"one dead cell, singular",
         deadNine,
         "1- Entries matched.\r\n2- 1 logical error found!",
         {9}},
        {"a clash and a dead cell",
         withCells(deadNine, {{73, '5'}, {79, '5'}}),
         "1- 2 errors found in entries!\r\n2- 1 logical error found!",
         {9, 73, 79}},
    };
    for (const Case& c : cases) {
        Board board = test::BoardFrom(c.board);
        const std::string text = CheckDiagram(board);
        EXPECT_EQ(text.substr(0, c.firstTwoLines.size()), c.firstTwoLines) << c.what;
        EXPECT_EQ(yellowCells(board), c.marked) << c.what;
        EXPECT_EQ(BoardToLine(board), c.board) << "no digit changes: " << c.what;
        EXPECT_EQ(GivensToLine(board), c.board) << "no flag changes: " << c.what;
    }
}

TEST(CheckDiagram, CompleteGridIsSolved) {
    Board board = test::BoardFrom(test::kSolvedGrid);
    board.SetCell(40, board.Cells[40].Digit, true, BackColour::Yellow);  // an old mark
    EXPECT_EQ(CheckDiagram(board),
              "1- Entries matched.\r\n2- No logical error found.\r\n3- Puzzle solved.");
    EXPECT_TRUE(yellowCells(board).empty()) << "old marks are cleared first";
}

TEST(CheckDiagram, EmptyGridListsEveryUnit) {
    Board board;
    const std::string text = CheckDiagram(board);
    const std::string head =
        "1- Entries matched.\r\n2- No logical error found.\r\n3- Correct this errors:\r\n\r\n"
        "Error at square 1,1 for 9 times.\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    std::size_t lines = 0;
    for (std::size_t at = text.find("for 9 times."); at != std::string::npos;
         at = text.find("for 9 times.", at + 1)) {
        ++lines;
    }
    EXPECT_EQ(lines, 27U);
    EXPECT_TRUE(text.ends_with("\r\nError at col 9 for 9 times.\r\n"))
        << "the report ends with its own line break";
}

TEST(CheckDiagram, CompleteGridWithAClashIsNotSolved) {
    // The 5 put in cell 2 repeats the 5 of cell 5 (row 1) and of cell 11 (box 1, column 2).
    const std::string line = withCells(test::kSolvedGrid, {{2, '5'}});
    Board board = test::BoardFrom(line);
    EXPECT_EQ(CheckDiagram(board),
              "1- 3 errors found in entries!\r\n2- No logical error found.\r\n"
              "3- Correct this errors:\r\n"
              "\r\nError at square 1,1 for 1 times.\r\n"
              "\r\nError at row 1 for 1 times.\r\n"
              "\r\nError at col 2 for 1 times.\r\n");
}

TEST(CheckDiagram, SecondRunGivesTheSameText) {
    Board board = test::BoardFrom(withCells(std::string(81, '.'), {{1, '7'}, {5, '7'}}));
    const std::string first = CheckDiagram(board);
    EXPECT_EQ(CheckDiagram(board), first);
}

}  // namespace
}  // namespace ninefold
