// CountMissingDigits with its report text; the one check for repeated digits, and
// MarkDuplicates with its counting rule.
#include "engine/conflicts.h"

#include "engine/game_texts.h"
#include "engine/unit_tally.h"

#include <bit>

namespace ninefold {

namespace {

int missingIn(const Board& board, const Unit& unit) {
    uint16_t present = 0;
    for (uint8_t cell : unit) {
        present |= static_cast<uint16_t>(1U << board.Cells[cell].Digit);
    }
    return 9 - std::popcount(static_cast<uint16_t>(present & kAllDigits));
}

std::string boxName(int box) {
    return std::to_string((box - 1) / 3 + 1) + "," + std::to_string((box - 1) % 3 + 1);
}

void markCell(Board& board, int cell, int16_t& count) {
    if (board.Background(cell) != BackColour::Yellow) {
        ++count;
    }
    board.SetCell(cell, board.Cells[cell].Digit, board.Cells[cell].Fixed, BackColour::Yellow);
}

// The digits each unit holds more than once (units numbered as AllUnits), from each cell's
// digit as `digitAt` reads it; on most boards the search checks every entry is 0.
template <typename DigitAt>
std::array<uint16_t, 27> repeatedDigits(DigitAt digitAt) {
    std::array<uint16_t, kCellCount + 1> digits{};
    for (int c = 1; c <= kCellCount; ++c) {
        digits[c] = static_cast<uint16_t>((1U << digitAt(c)) & kAllDigits);
    }
    std::array<uint16_t, 27> repeated{};
    const UnitTallies tallies[] = {RowTallies(digits.data()), ColumnTallies(digits.data()),
                                   BoxTallies(digits.data())};
    for (int kind = 0; kind < 3; ++kind) {
        for (int u = 0; u < 9; ++u) {
            repeated[9 * kind + u] = tallies[kind][u].twice;
        }
    }
    return repeated;
}

std::array<uint16_t, 27> repeatedDigits(const Board& board) {
    return repeatedDigits([&](int c) { return board.Cells[c].Digit; });
}

bool anyOf(const std::array<uint16_t, 27>& repeated) {
    uint16_t any = 0;
    for (const uint16_t digits : repeated) {
        any |= digits;
    }
    return any != 0;
}

// Marks every cell of the unit that holds one of the repeated digits, digits ascending.
void markUnit(Board& board, const Unit& unit, uint16_t repeated, int16_t& count) {
    while (repeated != 0) {
        const int d = std::countr_zero(repeated);
        repeated &= static_cast<uint16_t>(repeated - 1);
        for (uint8_t cell : unit) {
            if (board.Cells[cell].Digit == d) {
                markCell(board, cell, count);
            }
        }
    }
}

}  // namespace

int16_t CountMissingDigits(const Board& board, std::string* report, const TextSource& texts) {
    int total = 0;
    std::string text;
    struct Section {
        int firstUnit;
        const TextTemplate& line;
    };
    // Boxes first, then rows, then columns; each section ends with a line break.
    for (const Section& s : {Section{18, texts::kMissingInBox}, Section{0, texts::kMissingInRow},
                             Section{9, texts::kMissingInColumn}}) {
        for (int k = 1; k <= 9; ++k) {
            const int n = missingIn(board, AllUnits()[s.firstUnit + k - 1]);
            if (n > 0 && report != nullptr) {
                const std::string name = s.firstUnit == 18 ? boxName(k) : std::to_string(k);
                text += "\r\n" + CountedSentence(texts, s.line, n, {name});
            }
            total += n;
        }
        if (report != nullptr) {
            text += "\r\n";
        }
    }
    if (report != nullptr) {
        *report = std::move(text);
    }
    return static_cast<int16_t>(total);
}

// Through the digits' own check, so MarkDuplicates stays the one caller of the Board's scan
// and keeps it inline.
bool AnyRepeatedDigit(const Board& board) {
    DigitGrid digits{};
    for (int c = 1; c <= kCellCount; ++c) {
        digits[c] = board.Cells[c].Digit;
    }
    return AnyRepeatedDigit(digits);
}

bool AnyRepeatedDigit(const DigitGrid& digits) {
    return anyOf(repeatedDigits([&](int c) { return digits[c]; }));
}

std::optional<RepeatedDigit> FirstRepeatedDigit(const DigitGrid& digits) {
    const std::array<uint16_t, 27> repeated = repeatedDigits([&](int c) { return digits[c]; });
    for (int u = 0; u < 27; ++u) {
        if (repeated[u] != 0) {
            return RepeatedDigit{u, std::countr_zero(repeated[u])};
        }
    }
    return std::nullopt;
}

int16_t MarkDuplicates(Board& board) {
    int16_t count = 0;
    const std::array<uint16_t, 27> repeated = repeatedDigits(board);
    const auto& units = AllUnits();
    for (int u = 0; u < 27; ++u) {
        if (repeated[u] != 0) {
            markUnit(board, units[u], repeated[u], count);
        }
    }
    return count;
}

}  // namespace ninefold
