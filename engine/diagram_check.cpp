// Check Diagram: clashing digits, then dead cells, then completeness, in one report.
#include "engine/diagram_check.h"

#include "engine/conflicts.h"
#include "engine/deduction.h"

namespace ninefold {

namespace {

// "<n> <noun>" with the plural "s" for every count but 1.
std::string counted(int n, const char* noun) {
    std::string text = std::to_string(n) + " " + noun;
    if (n != 1) {
        text += "s";
    }
    return text;
}

}  // namespace

std::string CheckDiagram(Board& board) {
    // Every mark of an earlier check goes first, so each clashing cell is counted again.
    board.RepaintCells();
    std::string text = "1- ";
    const int clashes = MarkDuplicates(board);
    text += clashes != 0 ? counted(clashes, "error") + " found in entries!" : "Entries matched.";

    const int dead = MarkDeadCells(board);
    text += "\r\n2- ";
    text += dead != 0 ? counted(dead, "logical error") + " found!" : "No logical error found.";

    std::string report;
    const int missing = CountMissingDigits(board, &report);
    text += "\r\n3- ";
    text += missing != 0 ? "Correct this errors:\r\n" + report : "Puzzle solved.";
    return text;
}

}  // namespace ninefold
