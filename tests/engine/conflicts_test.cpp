// CountMissingDigits' count and report text, and MarkDuplicates' marking and counting rule.
#include <gtest/gtest.h>

#include "engine/conflicts.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

std::string withRowOneColumnTwoAsFive() {
    std::string line(test::kSolvedGrid);
    line[1] = '5';
    return line;
}

TEST(CountMissingDigits, CompleteGridGivesZeroAndThreeLineBreaks) {
    const Board board = test::BoardFrom(test::kSolvedGrid);
    std::string report = "stale";
    EXPECT_EQ(CountMissingDigits(board, &report), 0);
    EXPECT_EQ(report, "\r\n\r\n\r\n");
}

TEST(CountMissingDigits, OneWrongDigitReportsItsThreeUnits) {
    const Board board = test::BoardFrom(withRowOneColumnTwoAsFive());
    std::string report;
    EXPECT_EQ(CountMissingDigits(board, &report), 3);
    EXPECT_EQ(report,
              "\r\nError at square 1,1 for 1 times.\r\n"
              "\r\nError at row 1 for 1 times.\r\n"
              "\r\nError at col 2 for 1 times.\r\n");
    EXPECT_EQ(CountMissingDigits(board), 3) << "same count without a report";
}

TEST(CountMissingDigits, EmptyGridMissesEverything) {
    const Board board;
    std::string report;
    EXPECT_EQ(CountMissingDigits(board, &report), 243);
    std::string expected = "";
    for (int b = 1; b <= 9; ++b) {
        expected += "\r\nError at square " + std::to_string((b - 1) / 3 + 1) + "," +
                    std::to_string((b - 1) % 3 + 1) + " for 9 times.";
    }
    expected += "\r\n";
    for (int r = 1; r <= 9; ++r)
        expected += "\r\nError at row " + std::to_string(r) + " for 9 times.";
    expected += "\r\n";
    for (int c = 1; c <= 9; ++c)
        expected += "\r\nError at col " + std::to_string(c) + " for 9 times.";
    expected += "\r\n";
    EXPECT_EQ(report, expected);
}

TEST(CountMissingDigits, SectionWithoutErrorsLeavesOnlyItsBreak) {
    // Only box 9's last cell empty: box 9, row 9 and column 9 each miss one digit.
    std::string line(test::kSolvedGrid);
    line[80] = '.';
    std::string report;
    EXPECT_EQ(CountMissingDigits(test::BoardFrom(line), &report), 3);
    EXPECT_EQ(report,
              "\r\nError at square 3,3 for 1 times.\r\n\r\nError at row 9 for 1 times.\r\n"
              "\r\nError at col 9 for 1 times.\r\n");
}

struct DuplicateCase {
    const char* name;
    std::vector<std::pair<int, int>> digits;  // (cell, digit)
    int count;
    std::vector<int> yellow;
};

TEST(MarkDuplicates, CountsEachNewlyYellowCellOnce) {
    const DuplicateCase cases[] = {
        {"nothing", {{1, 1}, {2, 2}}, 0, {}},
        {"same row and box", {{1, 4}, {2, 4}}, 2, {1, 2}},
        {"three in a row", {{1, 7}, {5, 7}, {9, 7}}, 3, {1, 5, 9}},
        {"column", {{3, 9}, {75, 9}}, 2, {3, 75}},
        {"box only", {{1, 6}, {21, 6}}, 2, {1, 21}},
        {"row and column share a cell", {{1, 2}, {9, 2}, {73, 2}}, 3, {1, 9, 73}},
    };
    for (const DuplicateCase& c : cases) {
        Board board;
        for (auto [cell, digit] : c.digits)
            board.SetCell(cell, digit, true, BackColour::White);
        const CellGrid before = board.ReadCells();
        EXPECT_EQ(MarkDuplicates(board), c.count) << c.name;
        EXPECT_EQ(board.ReadCells(), before) << c.name;
        for (int i = 1; i <= kCellCount; ++i) {
            const bool marked = std::find(c.yellow.begin(), c.yellow.end(), i) != c.yellow.end();
            EXPECT_EQ(board.Background(i), marked ? BackColour::Yellow : BackColour::White)
                << c.name << " cell " << i;
        }
    }
}

TEST(MarkDuplicates, AlreadyYellowCellsAreRepaintedButNotCounted) {
    Board board;
    board.SetCell(1, 4, true, BackColour::White);
    board.SetCell(2, 4, false, BackColour::White);
    board.SetCell(30, 0, false, BackColour::Yellow);  // a dead-cell mark on an empty cell
    EXPECT_EQ(MarkDuplicates(board), 2);
    test::RecordingPainter painter;
    board.SetPainter(&painter);
    EXPECT_EQ(MarkDuplicates(board), 0) << "still in conflict, but nothing newly yellow";
    std::vector<int> repainted;
    for (const auto& call : painter.calls)
        repainted.push_back(call.index);
    // row pass then box pass, each repainting both cells; the empty yellow cell is left alone
    EXPECT_EQ(repainted, (std::vector<int>{1, 2, 1, 2}));
    EXPECT_EQ(board.Cells[2], (CellState{4, false}));
    EXPECT_EQ(board.Background(30), BackColour::Yellow);
}

TEST(Checks, CompleteGridHasNoDuplicatesAndNothingMissing) {
    Board board = test::BoardFrom(test::kSolvedGrid);
    EXPECT_EQ(MarkDuplicates(board), 0);
    EXPECT_EQ(CountMissingDigits(board), 0);
    Board wrong = test::BoardFrom(withRowOneColumnTwoAsFive());
    EXPECT_EQ(MarkDuplicates(wrong), 3) << "cells 2, 5 and 11, each counted once";
}

}  // namespace
}  // namespace ninefold
