// convert: one puzzle from a text line to a puzzle file or back, chosen by OUT's extension.
#include <cstdio>
#include <optional>
#include <span>
#include <string>

#include "cli/commands.h"
#include "cli/puzzle_input.h"
#include "engine/board_text.h"
#include "files/atomic_write.h"
#include "files/file_io.h"
#include "files/puzzle_file.h"

namespace ninefold::cli {

namespace {

// A text puzzle line holds digits only; every digit of the board becomes a given there.
std::string writeText(const std::string& out, const CellGrid& grid) {
    Board board;
    board.WriteCells(grid);
    const std::string line = BoardToLine(board) + "\n";
    if (out == "-") {
        std::fwrite(line.data(), 1, line.size(), stdout);
        return std::fflush(stdout) == 0 ? "" : "standard output cannot be written";
    }
    return WriteFileAtomically(
        Utf8Path(out),
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(line.data()), line.size()));
}

}  // namespace

int RunConvert(const Arguments& args) {
    const std::string& in = args.files[0];
    const std::string& out = args.files[1];
    std::optional<CellGrid> puzzle;
    int puzzles = 0;
    const InputStats stats = ReadPuzzles({in}, [&](const CellGrid& grid) {
        if (++puzzles == 1) {
            puzzle = grid;
        }
    });
    if (stats.bad) {
        return 2;
    }
    if (puzzles != 1) {
        std::fprintf(stderr, "%s: holds %d puzzles; convert takes exactly one\n", in.c_str(),
                     puzzles);
        return 2;
    }
    const std::string error =
        IsPuzzleFileName(out) ? WritePuzzleFile(Utf8Path(out), *puzzle) : writeText(out, *puzzle);
    if (!error.empty()) {
        std::fprintf(stderr, "%s: cannot be written: %s\n", out.c_str(), error.c_str());
        return 2;
    }
    return 0;
}

}  // namespace ninefold::cli
