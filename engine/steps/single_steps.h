// Steps that place a digit from one cell or one unit: full house, hidden single, naked single.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "engine/steps/hint_grid.h"
#include "engine/steps/step.h"

namespace ninefold::steps {

std::optional<Step> FindFullHouse(const HintGrid& grid);
// Boxes (weight 1.2) or rows and columns (1.5).
std::optional<Step> FindHiddenSingle(const HintGrid& grid, bool inBoxes);
std::optional<Step> FindNakedSingle(const HintGrid& grid);

struct HiddenSingle {
    CellDigit placement;
    int unit;
};
// "8 can go only in row 1, column 2 within box 1"
std::string SingleText(const HiddenSingle& single, const TextSource& source);
// The first of the digits (a mask) that has exactly one place left in one of the units on
// `after` where it had two or more on `before`: the single a direct step leads to.
std::optional<HiddenSingle> SingleCreatedIn(const HintGrid& before, const HintGrid& after,
                                            std::initializer_list<int> units, uint16_t digits);

}  // namespace ninefold::steps
