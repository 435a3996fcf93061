// Techniques are tried in order of the least weight they can yield; the search stops once no
// technique left can beat the step in hand.
#include "engine/steps/step_finder.h"

#include "engine/steps/chain_steps.h"
#include "engine/steps/fish_steps.h"
#include "engine/steps/forcing_steps.h"
#include "engine/steps/locked_candidates.h"
#include "engine/steps/single_steps.h"
#include "engine/steps/subset_steps.h"
#include "engine/steps/uniqueness_steps.h"
#include "engine/steps/wing_steps.h"

namespace ninefold::steps {

namespace {

using FindFunction = std::optional<Step> (*)(const HintGrid&);

struct Finder {
    int least;  // the least weight the technique can yield
    FindFunction find;
    bool needsOneSolution;
};

const Finder kFinders[] = {
    {10, FindFullHouse, false},
    {12, [](const HintGrid& g) { return FindHiddenSingle(g, true); }, false},
    {15, [](const HintGrid& g) { return FindHiddenSingle(g, false); }, false},
    {17, FindLockedCandidates, false},
    {20, [](const HintGrid& g) { return FindHiddenSubset(g, 2); }, false},
    {23, FindNakedSingle, false},
    {25, [](const HintGrid& g) { return FindHiddenSubset(g, 3); }, false},
    {30, [](const HintGrid& g) { return FindNakedSubset(g, 2); }, false},
    {32, [](const HintGrid& g) { return FindFish(g, 2); }, false},
    {36, [](const HintGrid& g) { return FindNakedSubset(g, 3); }, false},
    {38, [](const HintGrid& g) { return FindFish(g, 3); }, false},
    {42, FindXYWing, false},
    {44, FindXYZWing, false},
    {45, FindUniqueRectangle, true},
    {50, [](const HintGrid& g) { return FindNakedSubset(g, 4); }, false},
    {52, [](const HintGrid& g) { return FindFish(g, 4); }, false},
    {54, [](const HintGrid& g) { return FindHiddenSubset(g, 4); }, false},
    {56, FindXChain, false},
    {58, FindBugPlusOne, true},
    {60, FindXYChain, false},
    {70, FindForcingChainOrTrial, false},
};

}  // namespace

std::optional<Step> FindEasiestStep(const HintGrid& grid, const DigitGrid* solution) {
    std::optional<Step> best;
    for (const Finder& finder : kFinders) {
        if (best && finder.least >= best->weight) {
            return best;
        }
        if (finder.needsOneSolution && solution == nullptr) {
            continue;
        }
        std::optional<Step> step = finder.find(grid);
        if (step && (!best || step->weight < best->weight)) {
            best = std::move(step);
        }
    }
    if (!best && solution != nullptr) {
        best = FindTrialBySearch(grid, *solution);
    }
    return best;
}

bool ApplyStep(HintGrid& grid, const Step& step) {
    bool changed = false;
    for (const CellDigit& e : step.eliminate) {
        changed = changed || grid.Has(e.cell, e.digit);
        grid.Eliminate(e.cell, e.digit);
    }
    for (const CellDigit& p : step.place) {
        changed = changed || grid.digits[p.cell] == 0;
        if (grid.digits[p.cell] == 0) {
            grid.Place(p.cell, p.digit);
        }
    }
    return changed;
}

}  // namespace ninefold::steps
