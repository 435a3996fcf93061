// The .nfd byte layout, the reader's tolerance, and loads that must leave the board alone.
#include <gtest/gtest.h>

#include <string>

#include "engine/board.h"
#include "files/puzzle_file.h"
#include "tests/files/temp_folder.h"

namespace ninefold {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

class CountingPainter : public CellPainter {
  public:
    void PaintCell(int, const CellState&, BackColour) override { ++calls; }
    int calls = 0;
};

std::string exampleBytes() {
    std::string bytes("\x05\xFF\xFF\x03\x00\x00", 6);
    bytes.resize(kPuzzleFileSize, '\0');
    return bytes;
}

TEST(PuzzleFile, ExampleBoardSavesAsTheDocumentedBytesAndRoundTrips) {
    TempFolder folder;
    Board board;
    board.SetCell(1, 5, true, BackColour::White);
    board.SetCell(2, 3, false, BackColour::White);
    ASSERT_EQ(WritePuzzleFile(folder / "a.nfd", board.ReadCells()), "");
    EXPECT_EQ(ReadBytes(folder / "a.nfd"), exampleBytes());

    Board loaded;
    ASSERT_EQ(LoadPuzzle(loaded, folder / "a.nfd"), "");
    EXPECT_EQ(loaded.Cells[1], (CellState{5, true}));
    EXPECT_EQ(loaded.Cells[2], (CellState{3, false}));
    ASSERT_EQ(WritePuzzleFile(folder / "b.nfd", loaded.ReadCells()), "");
    EXPECT_EQ(ReadBytes(folder / "b.nfd"), exampleBytes());
}

TEST(PuzzleFile, EveryCellTravelsInCellOrder) {
    CellGrid grid{};
    for (std::size_t i = 0; i < grid.size(); ++i) {
        grid[i] = {static_cast<uint8_t>(i % 10), i % 3 == 1 && i % 10 != 0};
    }
    const PuzzleBytes bytes = EncodePuzzle(grid);
    EXPECT_EQ(bytes[3 * 80], 80 % 10);
    const std::optional<CellGrid> decoded = DecodePuzzle(bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, grid);
}

struct ToleranceCase {
    const char* what;
    std::string record;  // the three bytes of cell 1
    CellState expected;
};

TEST(PuzzleFile, ReaderToleratesOddRecords) {
    const ToleranceCase cases[] = {
        {"digit above 9 is empty and not fixed", std::string("\x0A\xFF\xFF", 3), {0, false}},
        {"digit 255 is empty", std::string("\xFF\x00\x00", 3), {0, false}},
        {"low byte 01 is fixed", std::string("\x07\x01\x00", 3), {7, true}},
        {"high byte alone is fixed", std::string("\x07\x00\x80", 3), {7, true}},
        {"zero flag is not fixed", std::string("\x09\x00\x00", 3), {9, false}},
        {"empty cell is never fixed", std::string("\x00\xFF\xFF", 3), {0, false}},
    };
    for (const ToleranceCase& c : cases) {
        std::string bytes = c.record;
        bytes.resize(kPuzzleFileSize, '\0');
        const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
        const std::optional<CellGrid> grid = DecodePuzzle({data, bytes.size()});
        ASSERT_TRUE(grid) << c.what;
        EXPECT_EQ((*grid)[0], c.expected) << c.what;
    }
}

TEST(PuzzleFile, BytesAfterTheRecordAreIgnored) {
    TempFolder folder;
    WriteBytes(folder / "long.txt", exampleBytes() + std::string(500, '\x07'));
    Board board;
    ASSERT_EQ(LoadPuzzle(board, folder / "long.txt"), "");
    EXPECT_EQ(board.Cells[1], (CellState{5, true}));
    EXPECT_EQ(board.Cells[81], (CellState{0, false}));
}

TEST(PuzzleFile, LoadPaintsEveryCellWhite) {
    TempFolder folder;
    WriteBytes(folder / "a.nfd", exampleBytes());
    Board board;
    board.SetCell(40, 6, true, BackColour::Yellow);
    board.SetCell(2, 0, false, BackColour::Yellow);
    CountingPainter painter;
    board.SetPainter(&painter);
    ASSERT_EQ(LoadPuzzle(board, folder / "a.nfd"), "");
    EXPECT_EQ(painter.calls, 81);
    for (int i = 1; i <= 81; ++i) {
        EXPECT_EQ(board.Background(i), BackColour::White) << "cell " << i;
    }
    EXPECT_EQ(board.Cells[40], (CellState{0, false}));
}

TEST(PuzzleFile, FailedLoadLeavesTheBoardExactlyAsItWas) {
    TempFolder folder;
    WriteBytes(folder / "empty.nfd", "");
    WriteBytes(folder / "short.nfd", exampleBytes().substr(0, kPuzzleFileSize - 1));
    std::filesystem::create_directory(folder / "folder.nfd");
    const std::filesystem::path paths[] = {folder / "missing.nfd", folder / "empty.nfd",
                                           folder / "short.nfd", folder / "folder.nfd",
                                           folder / "short.nfd" / "below-a-file.nfd"};
    for (const auto& path : paths) {
        Board board;
        board.SetCell(1, 8, true, BackColour::Yellow);
        board.SetCell(50, 2, false, BackColour::White);
        const CellGrid before = board.ReadCells();
        CountingPainter painter;
        board.SetPainter(&painter);
        EXPECT_NE(LoadPuzzle(board, path), "") << path;
        EXPECT_EQ(board.ReadCells(), before) << path;
        EXPECT_EQ(board.Background(1), BackColour::Yellow) << path;
        EXPECT_EQ(painter.calls, 0) << path;
    }
}

TEST(PuzzleFile, ShortFileNamesItsLength) {
    TempFolder folder;
    WriteBytes(folder / "short.nfd", "abc");
    EXPECT_EQ(ReadPuzzleFile(folder / "short.nfd").error,
              "it holds 3 bytes, not the 243 of a puzzle");
}

TEST(PuzzleFile, TextBecomesAPathWithoutAnyQuotes) {
    const std::pair<const char*, const char*> rows[] = {
        {"\"/tmp/a b.nfd\"", "/tmp/a b.nfd"},
        {"/tmp/\"a\".nfd", "/tmp/a.nfd"},
        {"\"\"", ""},
        {"", ""},
        {"C:\\x.nfd", "C:\\x.nfd"},
    };
    for (const auto& [text, path] : rows) {
        EXPECT_EQ(PathFromText(text), path) << text;
    }
}

}  // namespace
}  // namespace ninefold
