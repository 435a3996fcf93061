// CountMissingDigits with its report text, and MarkDuplicates with its counting rule.
#include "engine/conflicts.h"

#include <bit>

namespace ninefold {

namespace {

int missingIn(const Board& board, const Unit& unit) {
    uint16_t present = 0;
    for (uint8_t cell : unit) {
        present |= static_cast<uint16_t>(1U << board.Cells[cell].Digit);
    }
    return 9 - std::popcount(static_cast<uint16_t>(present & CandidateTable::kAllDigits));
}

void appendLine(std::string& report, const char* prefix, const std::string& name, int n) {
    report += "\r\n";
    report += prefix;
    report += name;
    report += " for ";
    report += std::to_string(n);
    report += " times.";
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

void markUnit(Board& board, const Unit& unit, int16_t& count) {
    std::array<int, 10> seen{};
    for (uint8_t cell : unit) {
        ++seen[board.Cells[cell].Digit];
    }
    for (int d = 1; d <= 9; ++d) {
        if (seen[d] < 2) {
            continue;
        }
        for (uint8_t cell : unit) {
            if (board.Cells[cell].Digit == d) {
                markCell(board, cell, count);
            }
        }
    }
}

}  // namespace

int16_t CountMissingDigits(const Board& board, std::string* report) {
    int total = 0;
    std::string text;
    struct Section {
        int firstUnit;
        const char* prefix;
    };
    // Boxes first, then rows, then columns; each section ends with a line break.
    for (const Section& s : {Section{18, "Error at square "}, Section{0, "Error at row "},
                             Section{9, "Error at col "}}) {
        for (int k = 1; k <= 9; ++k) {
            const int n = missingIn(board, AllUnits()[s.firstUnit + k - 1]);
            if (n > 0 && report != nullptr) {
                appendLine(text, s.prefix, s.firstUnit == 18 ? boxName(k) : std::to_string(k), n);
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

int16_t MarkDuplicates(Board& board) {
    int16_t count = 0;
    for (const Unit& unit : AllUnits()) {
        markUnit(board, unit, count);
    }
    return count;
}

}  // namespace ninefold
