// The search with the backing-up that only empties the latest propagation and the guessed
// cells of abandoned levels, written step by step from its description. It leaves digits of
// earlier propagations on the board, so on some puzzles with a solution it ends exhausted;
// the tests use it to pick such puzzles.
#pragma once

#include <string>

#include "engine/board.h"
#include "engine/conflicts.h"
#include "engine/deduction.h"

namespace ninefold::test {

// True when this search completes the board.
inline bool UnmendedSearchSolves(Board& board) {
    if (CountMissingDigits(board) == 0 || MarkDuplicates(board) > 0 || MarkDeadCells(board) > 0) {
        return false;
    }
    int guessCells[82] = {};
    std::string guessOptions[82];
    int level = 0;
    for (;;) {
        int cell = 0;  // choose
        for (int c = 1; c <= kCellCount && cell == 0; ++c) {
            for (int d = 1; d <= 9; ++d) {
                if (board.Candidates(c, d) != 0) {
                    cell = c;
                    break;
                }
            }
        }
        if (cell == 0) {
            return CountMissingDigits(board) == 0;
        }
        ++level;
        guessCells[level] = cell;
        for (int d = 1; d <= 9; ++d) {
            if (board.Candidates(cell, d) != 0) {
                guessOptions[level] += static_cast<char>('0' + d);
            }
        }
        for (;;) {
            const char g = guessOptions[level][0];  // try
            board.SetCell(guessCells[level], std::string(1, g), false, BackColour::White);
            board.RecordChanges = true;
            board.ChangeLog.Clear();
            FillForcedCells(board);
            board.RecordChanges = false;
            guessOptions[level].erase(0, 1);
            const int dead = MarkDeadCells(board);  // check
            const int dup = MarkDuplicates(board);
            if (dup <= 0 && dead <= 0) {
                break;
            }
            while (guessOptions[level].empty()) {  // back up
                board.SetCell(guessCells[level], 0, false, BackColour::White);
                if (--level == 0) {
                    return false;
                }
            }
            std::string log = board.ChangeLog.Text();  // undo the last propagation
            while (log.find(',') != std::string::npos) {
                const auto comma = log.find(',');
                board.SetCell(std::stoi(log.substr(0, comma)), 0, false, BackColour::White);
                log.erase(0, comma + 1);
            }
        }
    }
}

}  // namespace ninefold::test
