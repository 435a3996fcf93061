// The weights of the techniques and the levels, on the scale players and setters know.
#include "engine/steps/technique_table.h"

#include <algorithm>
#include <iterator>

namespace ninefold::steps {

namespace {

// The direct forms lead straight to a hidden single, so they weigh less than the plain ones.
constexpr TechniqueInfo kTechniques[] = {
    {Technique::FullHouse, "Full house", 10, 10},
    {Technique::HiddenSingleBox, "Hidden single", 12, 12},
    {Technique::HiddenSingleLine, "Hidden single", 15, 15},
    {Technique::DirectPointing, "Direct pointing", 17, 17},
    {Technique::DirectClaiming, "Direct claiming", 19, 19},
    {Technique::DirectHiddenPair, "Direct hidden pair", 20, 20},
    {Technique::NakedSingle, "Naked single", 23, 23},
    {Technique::DirectHiddenTriple, "Direct hidden triple", 25, 25},
    {Technique::Pointing, "Pointing", 26, 26},
    {Technique::Claiming, "Claiming", 28, 28},
    {Technique::NakedPair, "Naked pair", 30, 30},
    {Technique::XWing, "X-wing", 32, 32},
    {Technique::HiddenPair, "Hidden pair", 34, 34},
    {Technique::NakedTriple, "Naked triple", 36, 36},
    {Technique::Swordfish, "Swordfish", 38, 38},
    {Technique::HiddenTriple, "Hidden triple", 40, 40},
    {Technique::Skyscraper, "Skyscraper", 40, 40},
    {Technique::TwoStringKite, "Two-string kite", 41, 41},
    {Technique::TurbotFish, "Turbot fish", 41, 42},
    {Technique::XYWing, "XY-wing", 42, 42},
    {Technique::GroupedTurbotFish, "Grouped turbot fish", 43, 43},
    {Technique::XYZWing, "XYZ-wing", 44, 44},
    {Technique::UniqueRectangle, "Unique rectangle", 45, 45},
    {Technique::NakedQuad, "Naked quad", 50, 50},
    {Technique::Jellyfish, "Jellyfish", 52, 52},
    {Technique::HiddenQuad, "Hidden quad", 54, 54},
    {Technique::XChain, "X-chain", 57, 66},
    {Technique::BugPlusOne, "BUG+1", 58, 58},
    {Technique::XYChain, "XY-chain", 60, 69},
    {Technique::ForcingChain, "Forcing chain", 70, 89},
    {Technique::Trial, "Trial", 90, 99},
    {Technique::TrialBySearch, "Trial by search", 100, 100},
};

constexpr bool inEnumOrder() {
    for (int i = 0; i < static_cast<int>(std::size(kTechniques)); ++i) {
        if (static_cast<int>(kTechniques[i].technique) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inEnumOrder(), "InfoOf looks a technique up by its place in the table");

struct LevelInfo {
    const char* name;
    int below;  // ratings under this weight (tenths) have this level
};

constexpr LevelInfo kLevels[] = {
    {"easy", 15},
    {"medium", 25},
    {"hard", 50},
    {"diabolical", 1000},
};

}  // namespace

const TechniqueInfo& InfoOf(Technique technique) {
    return kTechniques[static_cast<int>(technique)];
}

int ChainWeight(Technique technique, int length) {
    const TechniqueInfo& info = InfoOf(technique);
    int extra = 0;
    // Lengths 4, 6, 8, 12, 16, 24, 32, ... each add a tenth.
    for (int step = 4; step <= length; step = step % 3 == 0 ? step * 4 / 3 : step * 3 / 2) {
        ++extra;
    }
    return std::min(info.weight + extra, info.maxWeight);
}

const char* LevelOf(int rating) {
    for (const LevelInfo& level : kLevels) {
        if (rating < level.below) {
            return level.name;
        }
    }
    return kLevels[std::size(kLevels) - 1].name;
}

std::string WeightText(int weight) {
    return std::to_string(weight / 10) + "." + std::to_string(weight % 10);
}

}  // namespace ninefold::steps
