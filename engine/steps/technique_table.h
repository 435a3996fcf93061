// The techniques of the step solver with their weights, and the levels a puzzle's hardest
// step puts it in: one table each, the same tables the README lists.
#pragma once

#include <string>

namespace ninefold::steps {

enum class Technique {
    FullHouse,
    HiddenSingleBox,
    HiddenSingleLine,
    DirectPointing,
    DirectClaiming,
    DirectHiddenPair,
    NakedSingle,
    DirectHiddenTriple,
    Pointing,
    Claiming,
    NakedPair,
    XWing,
    HiddenPair,
    NakedTriple,
    Swordfish,
    HiddenTriple,
    Skyscraper,
    TwoStringKite,
    TurbotFish,
    XYWing,
    GroupedTurbotFish,
    XYZWing,
    UniqueRectangle,
    NakedQuad,
    Jellyfish,
    HiddenQuad,
    XChain,
    BugPlusOne,
    XYChain,
    ForcingChain,
    Trial,
    TrialBySearch,
};

// Weights are kept in tenths (12 is 1.2) so sums and comparisons stay exact.
struct TechniqueInfo {
    Technique technique;
    const char* name;
    int weight;     // the weight of the shortest form
    int maxWeight;  // the heaviest form: chains and trials grow with their length up to this
};

const TechniqueInfo& InfoOf(Technique technique);

// The extra weight of a chain of the given length: a tenth more each time the length grows
// by half again, capped at the technique's maximum.
int ChainWeight(Technique technique, int length);

// easy below 1.5, medium below 2.5, hard below 5.0, diabolical from 5.0.
const char* LevelOf(int rating);

// "1.2" for 12.
std::string WeightText(int weight);

}  // namespace ninefold::steps
