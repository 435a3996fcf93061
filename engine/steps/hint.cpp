// The hint for the game's hint key, with the refusals a player can meet. The board holds
// digits only, so a hint that merely removed candidates would come back unchanged on every
// press: the hint follows the steps until one places a digit.
#include "engine/steps/hint.h"

#include <algorithm>
#include <cctype>
#include <span>

#include "engine/conflicts.h"
#include "engine/solution_count.h"
#include "engine/steps/step_finder.h"
#include "engine/steps/step_text.h"

namespace ninefold::steps {

namespace {

constexpr const char* kNoSolutionText = "No solution keeps the digits on the board.";
constexpr const char* kSeveralText =
    "The digits on the board allow more than one solution, so no step follows from them.";
constexpr const char* kCompleteText = "Every cell is filled: there is no step left.";

Hint refusal(HintKind kind, const std::string& text, int focusCell = 0) {
    return Hint{kind, text, text, focusCell, {}};
}

// The first digit that repeats in a unit, with the cells of the unit that hold it.
std::optional<Hint> clash(const DigitGrid& digits) {
    const std::optional<RepeatedDigit> repeated = FirstRepeatedDigit(digits);
    if (!repeated) {
        return std::nullopt;
    }
    std::vector<int> cells;
    for (const uint8_t c : kUnits[repeated->unit]) {
        if (digits[c] == repeated->digit) {
            cells.push_back(c);
        }
    }
    // Cells of one row or column already name their line; a box's do not.
    const bool box = repeated->unit >= 18;
    return refusal(HintKind::Clash,
                   "Some digits clash: " + std::to_string(repeated->digit) + " repeats in " +
                       (box ? UnitName(repeated->unit) + ": " : "") + CellsText(cells) + ".",
                   cells.front());
}

// When the givens alone have one solution, the first digit the player wrote that differs
// from it.
Hint noSolution(const Board& board, const PlayerCells* playerCells) {
    DigitGrid givens{};
    auto given = [&](int c) {
        return board.Cells[c].Fixed && (playerCells == nullptr || !(*playerCells)[c]);
    };
    for (int c = 1; c <= kCellCount; ++c) {
        givens[c] = given(c) ? board.Cells[c].Digit : 0;
    }
    DigitGrid solution{};
    if (JudgeSolutions(givens, solution) == Solutions::One) {
        for (int c = 1; c <= kCellCount; ++c) {
            const uint8_t digit = board.Cells[c].Digit;
            if (!given(c) && digit >= 1 && digit <= 9 && digit != solution[c]) {
                return refusal(
                    HintKind::NoSolution,
                    "The " + std::to_string(digit) + " in " + CellName(c) + " cannot be right.", c);
            }
        }
    }
    return refusal(HintKind::NoSolution, kNoSolutionText);
}

// "Then naked single: ..." for every step after the first.
std::string thenText(const std::string& text) {
    std::string rest = text;
    if (rest.size() > 1 && std::islower(static_cast<unsigned char>(rest[1]))) {
        rest[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(rest[0])));
    }
    return " Then " + rest;
}

}  // namespace

Hint NextHint(const Board& board, const PlayerCells* playerCells) {
    const DigitGrid digits = DigitsOf(std::span(board.Cells).subspan<1>());
    if (std::optional<Hint> repeated = clash(digits)) {
        return *repeated;
    }
    if (std::find(digits.begin() + 1, digits.end(), 0) == digits.end()) {
        return refusal(HintKind::Complete, kCompleteText);
    }
    DigitGrid solution{};
    switch (JudgeSolutions(digits, solution)) {
        case Solutions::None:
        case Solutions::Unknown:  // JudgeSolutions never answers it
            return noSolution(board, playerCells);
        case Solutions::Several:
            return refusal(HintKind::SeveralSolutions, kSeveralText);
        case Solutions::One:
            break;
    }
    Hint hint;
    HintGrid grid = HintGrid::FromDigits(digits);
    while (std::optional<Step> step = TakeStep(grid, solution)) {
        hint.text += hint.steps.empty() ? step->text : thenText(step->text);
        hint.steps.push_back(std::move(*step));
        if (!hint.steps.back().place.empty()) {
            hint.focusCell = hint.steps.back().place.front().cell;
            break;
        }
    }
    if (hint.steps.empty()) {
        return refusal(HintKind::NoSolution, kNoSolutionText);
    }
    hint.clue = ClueText(hint.steps.front());
    return hint;
}

}  // namespace ninefold::steps
