// Explaining a whole puzzle: the easiest step again and again until the grid is full.
#include "engine/steps/puzzle_rating.h"

#include <algorithm>

#include "engine/steps/step_finder.h"

namespace ninefold::steps {

Rating RateSteps(const std::vector<Step>& steps) {
    Rating rating;
    bool placed = false;
    for (const Step& step : steps) {
        rating.er = std::max(rating.er, step.weight);
        if (!placed) {
            rating.ep = std::max(rating.ep, step.weight);
            placed = !step.place.empty();
        }
    }
    rating.ed = steps.empty() ? 0 : steps.front().weight;
    rating.level = LevelOf(rating.er);
    return rating;
}

Explanation ExplainPuzzle(const DigitGrid& digits, const TextSource& source) {
    Explanation explanation;
    DigitGrid solution{};
    explanation.status = JudgeSolutions(digits, solution);
    if (explanation.status != Solutions::One) {
        return explanation;
    }
    HintGrid grid = HintGrid::FromDigits(digits);
    grid.texts = &source;
    while (!grid.Solved()) {
        std::optional<Step> step = TakeStep(grid, solution);
        if (!step) {
            break;
        }
        explanation.steps.push_back(std::move(*step));
    }
    explanation.rating = RateSteps(explanation.steps);
    return explanation;
}

}  // namespace ninefold::steps
