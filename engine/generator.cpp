// The generator: an attempt walks the cells row by row, lets forced cells fill themselves
// and picks a random digit where a cell is still empty; attempts repeat until one yields a
// complete, correct grid.
#include "engine/generator.h"

#include <algorithm>
#include <chrono>

#include "engine/conflicts.h"
#include "engine/deduction.h"
#include "engine/game_texts.h"

namespace ninefold {

namespace {

void appendUnlessContained(std::string& text, char ch) {
    if (text.find(ch) == std::string::npos) {
        text += ch;
    }
}

void removeDigitsOf(std::string& text, const std::string& digits) {
    for (const char ch : digits) {
        const auto at = text.find(ch);
        if (at != std::string::npos) {
            text.erase(at, 1);
        }
    }
}

// The digit characters of a band's cells in this row, first appearance first; the cell's
// own band looks at the cell's column alone.
std::string bandText(const Board& board, int row, int column, int band) {
    const int first = 3 * band + 1;
    const bool own = column >= first && column < first + 3;
    std::string text;
    for (int c = own ? column : first; c <= (own ? column : first + 2); ++c) {
        const int cell = CellIndex(row, c);
        for (int d = 1; d <= 9; ++d) {
            appendUnlessContained(text, static_cast<char>('0' + board.Candidates(cell, d)));
        }
    }
    removeDigitsOf(text, "0");
    return text;
}

// One pass over the grid; true when it ends complete and correct.
bool attempt(Board& board, RandomSource& random) {
    for (int i = 1; i <= kCellCount; ++i) {
        board.SetCell(i, 0, true, BackColour::White);
    }
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const int cell = CellIndex(row, column);
            if (board.Cells[cell].Digit != 0) {
                continue;
            }
            FillForcedCells(board);
            if (board.Cells[cell].Digit != 0) {
                continue;
            }
            const std::string choices = BandCandidates(board, row, column)[(column - 1) / 3];
            const double r = random.Next();
            // With nothing to choose from the empty text is written: the cell stays empty.
            const auto pick =
                std::min(static_cast<std::size_t>(r * static_cast<double>(choices.size())),
                         choices.empty() ? 0 : choices.size() - 1);  // a source must stay below 1
            const int digit = choices.empty() ? 0 : choices[pick] - '0';
            board.SetCell(cell, digit, true, BackColour::White);
        }
    }
    return CountMissingDigits(board) == 0;
}

}  // namespace

uint64_t SeededRandom::ClockSeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

double SeededRandom::Next() {
    // The top 53 bits make every double of the form k / 2^53 equally likely, the same on
    // every platform.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

std::array<std::string, 3> BandCandidates(const Board& board, int row, int column) {
    std::array<std::string, 3> t = {bandText(board, row, column, 0),
                                    bandText(board, row, column, 1),
                                    bandText(board, row, column, 2)};
    // A band that can hold at most three digits needs them all; the bands to its left must
    // leave them alone.
    if (t[2].size() <= 3) {
        removeDigitsOf(t[1], t[2]);
    }
    if (t[1].size() <= 3) {
        removeDigitsOf(t[0], t[1]);
    }
    if (t[2].size() <= 3) {
        removeDigitsOf(t[0], t[2]);
    }
    return t;
}

GenerateResult GeneratePuzzle(Board& board, RandomSource& random) {
    GenerateResult result;
    while (!attempt(board, random)) {
        ++result.retries;
    }
    return result;
}

std::string GenerateMessage(int64_t retries, const TextSource& texts) {
    if (retries < 1) {
        return Sentence(texts, texts::kGenerateReady);
    }
    return CountedSentence(texts, texts::kGenerateRetries, retries);
}

}  // namespace ninefold
