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

Hint refusal(HintKind kind, const std::string& text, int focusCell = 0) {
    return Hint{kind, text, text, focusCell, {}};
}

// The first digit that repeats in a unit, with the cells of the unit that hold it.
std::optional<Hint> clash(const DigitGrid& digits, const TextSource& source) {
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
                   box ? Sentence(source, texts::kClashInBox,
                                  {std::to_string(repeated->digit),
                                   UnitName(repeated->unit, source), CellsText(cells, source)})
                       : Sentence(source, texts::kClash,
                                  {std::to_string(repeated->digit), CellsText(cells, source)}),
                   cells.front());
}

// When the givens alone have one solution, the first digit the player wrote that differs
// from it.
Hint noSolution(const Board& board, const PlayerCells* playerCells, const TextSource& source) {
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
                return refusal(HintKind::NoSolution,
                               Sentence(source, texts::kWrongDigit,
                                        {std::to_string(digit), CellName(c, source)}),
                               c);
            }
        }
    }
    return refusal(HintKind::NoSolution, Sentence(source, texts::kNoSolution));
}

// "Then naked single: ..." for every step after the first. Only English lowers the name's
// capital: another language keeps it as its translator wrote it.
std::string thenText(const Step& step, const TextSource& source) {
    std::string rest = step.text;
    if (ToldInEnglish(source) && rest.size() > 1 &&
        std::islower(static_cast<unsigned char>(rest[1]))) {
        rest[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(rest[0])));
    }
    std::string then = " ";
    then += Sentence(source, texts::kThen, {rest});
    return then;
}

}  // namespace

Hint NextHint(const Board& board, const PlayerCells* playerCells, const TextSource& source) {
    const DigitGrid digits = DigitsOf(std::span(board.Cells).subspan<1>());
    if (std::optional<Hint> repeated = clash(digits, source)) {
        return *repeated;
    }
    if (std::find(digits.begin() + 1, digits.end(), 0) == digits.end()) {
        return refusal(HintKind::Complete, Sentence(source, texts::kComplete));
    }
    DigitGrid solution{};
    switch (JudgeSolutions(digits, solution)) {
        case Solutions::None:
        case Solutions::Unknown:  // JudgeSolutions never answers it
            return noSolution(board, playerCells, source);
        case Solutions::Several:
            return refusal(HintKind::SeveralSolutions, Sentence(source, texts::kSeveralSolutions));
        case Solutions::One:
            break;
    }
    Hint hint;
    HintGrid grid = HintGrid::FromDigits(digits);
    grid.texts = &source;
    while (std::optional<Step> step = TakeStep(grid, solution)) {
        hint.text += hint.steps.empty() ? step->text : thenText(*step, source);
        hint.steps.push_back(std::move(*step));
        if (!hint.steps.back().place.empty()) {
            hint.focusCell = hint.steps.back().place.front().cell;
            break;
        }
    }
    if (hint.steps.empty()) {
        return refusal(HintKind::NoSolution, Sentence(source, texts::kNoSolution));
    }
    hint.clue = ClueText(hint.steps.front(), source);
    return hint;
}

}  // namespace ninefold::steps
