// Techniques are tried in order of the least weight they can yield; the search stops once no
// technique left can beat the step in hand.
#include "engine/steps/step_finder.h"

#include <cassert>

#include "engine/steps/chain_steps.h"
#include "engine/steps/fish_steps.h"
#include "engine/steps/forcing_steps.h"
#include "engine/steps/locked_candidates.h"
#include "engine/steps/single_steps.h"
#include "engine/steps/strong_link_steps.h"
#include "engine/steps/subset_steps.h"
#include "engine/steps/uniqueness_steps.h"
#include "engine/steps/wing_steps.h"

namespace ninefold::steps {

namespace {

using FindFunction = std::optional<Step> (*)(const HintGrid&);

struct Finder {
    Technique lightest;  // the lightest technique the finder yields: its place in the order
    FindFunction find;
    bool needsOneSolution;
};

// In order of the least weight each can yield, so the search can stop early.
const Finder kFinders[] = {
    {Technique::FullHouse, FindFullHouse, false},
    {Technique::HiddenSingleBox, [](const HintGrid& g) { return FindHiddenSingle(g, true); },
     false},
    {Technique::HiddenSingleLine, [](const HintGrid& g) { return FindHiddenSingle(g, false); },
     false},
    {Technique::DirectPointing, FindLockedCandidates, false},
    {Technique::DirectHiddenPair, [](const HintGrid& g) { return FindHiddenSubset(g, 2); }, false},
    {Technique::NakedSingle, FindNakedSingle, false},
    {Technique::DirectHiddenTriple, [](const HintGrid& g) { return FindHiddenSubset(g, 3); },
     false},
    {Technique::NakedPair, [](const HintGrid& g) { return FindNakedSubset(g, 2); }, false},
    {Technique::XWing, [](const HintGrid& g) { return FindFish(g, 2); }, false},
    {Technique::NakedTriple, [](const HintGrid& g) { return FindNakedSubset(g, 3); }, false},
    {Technique::Swordfish, [](const HintGrid& g) { return FindFish(g, 3); }, false},
    {Technique::Skyscraper, FindTwoStrongLinks, false},
    {Technique::XYWing, FindXYWing, false},
    {Technique::XYZWing, FindXYZWing, false},
    {Technique::UniqueRectangle, FindUniqueRectangle, true},
    {Technique::NakedQuad, [](const HintGrid& g) { return FindNakedSubset(g, 4); }, false},
    {Technique::Jellyfish, [](const HintGrid& g) { return FindFish(g, 4); }, false},
    {Technique::HiddenQuad, [](const HintGrid& g) { return FindHiddenSubset(g, 4); }, false},
    {Technique::XChain, FindXChain, false},
    {Technique::BugPlusOne, FindBugPlusOne, true},
    {Technique::XYChain, FindXYChain, false},
    {Technique::ForcingChain, FindForcingChainOrTrial, false},
};

}  // namespace

std::vector<Technique> FinderOrder() {
    std::vector<Technique> order;
    for (const Finder& finder : kFinders) {
        order.push_back(finder.lightest);
    }
    return order;
}

std::optional<Step> FindEasiestStep(const HintGrid& grid, const DigitGrid* solution) {
    std::optional<Step> best;
    for (const Finder& finder : kFinders) {
        const int least = InfoOf(finder.lightest).weight;
        if (best && least >= best->weight) {
            return best;
        }
        if (finder.needsOneSolution && solution == nullptr) {
            continue;
        }
        std::optional<Step> step = finder.find(grid);
        assert(!step || step->weight >= least);
        if (step && (!best || step->weight < best->weight)) {
            best = std::move(step);
        }
    }
    if (!best && solution != nullptr) {
        best = FindTrialBySearch(grid, *solution);
    }
    return best;
}

std::optional<Step> TakeStep(HintGrid& grid, const DigitGrid& solution) {
    std::optional<Step> step = FindEasiestStep(grid, &solution);
    if (step && !ApplyStep(grid, *step)) {
        // A step that changes nothing would repeat for ever.
        step = FindTrialBySearch(grid, solution);
        if (step) {
            ApplyStep(grid, *step);
        }
    }
    return step;
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
