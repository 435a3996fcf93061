// A puzzle explained step by step to the end, and rated by its steps: ER the hardest step,
// EP the hardest up to the first placement, ED the first step, and the level ER puts it in.
#pragma once

#include <vector>

#include "engine/solution_count.h"
#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"
#include "engine/text_template.h"

namespace ninefold::steps {

struct Rating {
    int er = 0;  // tenths
    int ep = 0;
    int ed = 0;
    const char* level = "";
};

struct Explanation {
    Solutions status = Solutions::None;  // One: explained and rated
    std::vector<Step> steps;             // empty unless solved
    Rating rating;
};

// Explains the puzzle's digits (0 empty) from the candidates they leave. A puzzle without
// exactly one solution gets its status and no steps. The steps are told in `source`'s words.
Explanation ExplainPuzzle(const DigitGrid& digits, const TextSource& source = EnglishText());

Rating RateSteps(const std::vector<Step>& steps);

}  // namespace ninefold::steps
