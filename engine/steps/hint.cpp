// The next step for the game's hint key, with the refusals a player can meet.
#include "engine/steps/hint.h"

#include <algorithm>
#include <span>

#include "engine/conflicts.h"
#include "engine/solution_count.h"
#include "engine/steps/step_finder.h"

namespace ninefold::steps {

namespace {

constexpr const char* kClashText = "Some digits clash: a digit repeats in a row, column or box.";
constexpr const char* kNoSolutionText = "No solution keeps the digits on the board.";
constexpr const char* kSeveralText =
    "The digits on the board allow more than one solution, so no step follows from them.";
constexpr const char* kCompleteText = "Every cell is filled: there is no step left.";

Hint refusal(HintKind kind, const char* text) {
    return Hint{kind, text, 0, std::nullopt};
}

}  // namespace

Hint NextHint(const Board& board) {
    const DigitGrid digits = DigitsOf(std::span(board.Cells).subspan<1>());
    const bool complete = std::find(digits.begin() + 1, digits.end(), 0) == digits.end();
    if (AnyRepeatedDigit(digits)) {
        return refusal(HintKind::Clash, kClashText);
    }
    if (complete) {
        return refusal(HintKind::Complete, kCompleteText);
    }
    DigitGrid solution{};
    switch (JudgeSolutions(digits, solution)) {
        case Solutions::None:
        case Solutions::Unknown:  // JudgeSolutions never answers it
            return refusal(HintKind::NoSolution, kNoSolutionText);
        case Solutions::Several:
            return refusal(HintKind::SeveralSolutions, kSeveralText);
        case Solutions::One:
            break;
    }
    const steps::HintGrid grid = steps::HintGrid::FromDigits(digits);
    std::optional<steps::Step> step = steps::FindEasiestStep(grid, &solution);
    if (!step) {
        return refusal(HintKind::NoSolution, kNoSolutionText);
    }
    Hint hint{HintKind::Step, step->text, 0, step};
    hint.focusCell = !step->place.empty() ? step->place.front().cell : step->eliminate.front().cell;
    return hint;
}

}  // namespace ninefold::steps
