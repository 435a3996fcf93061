// Making a puzzle at a level: a random complete grid, givens taken away in random order while
// the solution stays unique, a cheap look at what singles alone achieve, then the full rating.
#include "engine/steps/level_generator.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

#include "engine/solution_count.h"
#include "engine/steps/technique_table.h"

namespace ninefold::steps {

namespace {

constexpr std::array<const char*, kLevelCount> kLevelNames = {"easy", "medium", "hard",
                                                              "diabolical"};
constexpr std::array<const char*, kSymmetryCount> kSymmetryNames = {"rotational", "none"};

// A whole number in [0, n): the source's number scaled, kept below n should a source ever
// reach 1. Plain arithmetic, so a seed gives the same choices on every platform.
int pick(RandomSource& random, int n) {
    return std::min(n - 1, static_cast<int>(random.Next() * n));
}

template <typename T, std::size_t N>
void shuffle(std::array<T, N>& items, int count, RandomSource& random) {
    for (int i = count - 1; i > 0; --i) {
        std::swap(items[i], items[pick(random, i + 1)]);
    }
}

// --- a random complete grid -----------------------------------------------------------------

struct Fill {
    DigitGrid digits{};
    std::array<uint16_t, 27> used{};  // per unit, bit d when digit d is in it

    uint16_t free(int cell) const {
        uint16_t taken = 0;
        for (const uint8_t unit : kCellUnits[cell]) {
            taken |= used[unit];
        }
        return static_cast<uint16_t>(0x3FE & ~taken);
    }
    void set(int cell, int digit) {
        digits[cell] = static_cast<uint8_t>(digit);
        for (const uint8_t unit : kCellUnits[cell]) {
            used[unit] ^= static_cast<uint16_t>(1U << digit);
        }
    }
};

// Fills the empty cell with the fewest free digits, trying them in random order; true once
// the grid is complete. From an empty grid a dead end is rare and shallow.
bool fillRandomly(Fill& fill, RandomSource& random) {
    int best = 0;
    int bestCount = 10;
    for (int c = 1; c <= kCellCount && bestCount > 1; ++c) {
        if (fill.digits[c] == 0) {
            const int count = std::popcount(fill.free(c));
            if (count < bestCount) {
                best = c;
                bestCount = count;
            }
        }
    }
    if (best == 0) {
        return true;
    }
    std::array<int, 9> choices{};
    int n = 0;
    for (uint16_t mask = fill.free(best); mask != 0; mask &= mask - 1) {
        choices[n++] = std::countr_zero(mask);
    }
    shuffle(choices, n, random);
    for (int k = 0; k < n; ++k) {
        fill.set(best, choices[k]);
        if (fillRandomly(fill, random)) {
            return true;
        }
        fill.set(best, choices[k]);
    }
    fill.digits[best] = 0;
    return false;
}

// --- taking givens away ---------------------------------------------------------------------

// The cell a half turn of the grid puts in the cell's place.
constexpr int mirrorOf(int cell) {
    return kCellCount + 1 - cell;
}

// Every cell, or with the half turn one cell of each pair (and the centre), in random order;
// each is taken away with its mirror when the solution stays unique. One pass leaves the
// puzzle minimal: taking a given away later only adds solutions, so a pair that had to stay
// still has to. False when the host asked to stop.
bool removeGivens(DigitGrid& puzzle, Symmetry symmetry, RandomSource& random, SearchHost& host) {
    std::array<int, kCellCount> order{};
    const int count = symmetry == Symmetry::Rotational ? (kCellCount + 1) / 2 : kCellCount;
    for (int k = 0; k < count; ++k) {
        order[k] = k + 1;
    }
    shuffle(order, count, random);
    for (int k = 0; k < count; ++k) {
        const int cell = order[k];
        const int mirror = symmetry == Symmetry::Rotational ? mirrorOf(cell) : cell;
        const uint8_t digit = puzzle[cell];
        const uint8_t mirrorDigit = puzzle[mirror];
        puzzle[cell] = 0;
        puzzle[mirror] = 0;
        DigitGrid solution;
        if (JudgeSolutions(puzzle, solution) != Solutions::One) {
            puzzle[cell] = digit;
            puzzle[mirror] = mirrorDigit;
        }
        if (host.PumpEvents()) {
            return false;
        }
    }
    return true;
}

// --- what singles alone achieve ---------------------------------------------------------------

enum class Singles {
    BoxesAndFullHouses,  // a unit's last empty cell, or a digit with one place in a box
    All,                 // hidden singles in every unit and naked singles too
};

// True when placing singles of the kind, again and again, fills the grid. Singles stay
// available however the rater reaches a state, since more digits and fewer candidates only
// make more of them, so this bounds the rating from above without rating.
bool singlesSolve(const DigitGrid& puzzle, Singles kind) {
    Fill fill;
    int empty = 0;
    for (int c = 1; c <= kCellCount; ++c) {
        if (puzzle[c] != 0) {
            fill.set(c, puzzle[c]);
        } else {
            ++empty;
        }
    }
    for (bool progress = true; progress && empty > 0;) {
        progress = false;
        for (int u = 0; u < 27; ++u) {
            std::array<uint8_t, 10> places{};
            std::array<uint8_t, 10> where{};
            int emptyHere = 0;
            for (const uint8_t cell : kUnits[u]) {
                if (fill.digits[cell] != 0) {
                    continue;
                }
                ++emptyHere;
                const uint16_t free = fill.free(cell);
                if (kind == Singles::All && std::popcount(free) == 1) {
                    fill.set(cell, std::countr_zero(free));
                    --empty;
                    progress = true;
                    continue;
                }
                for (uint16_t mask = free; mask != 0; mask &= mask - 1) {
                    const int d = std::countr_zero(mask);
                    ++places[d];
                    where[d] = cell;
                }
            }
            if (kind == Singles::BoxesAndFullHouses && u < 18 && emptyHere != 1) {
                continue;
            }
            for (int d = 1; d <= 9; ++d) {
                if (places[d] == 1 && fill.digits[where[d]] == 0 &&
                    (fill.free(where[d]) & (1U << d)) != 0) {
                    fill.set(where[d], d);
                    --empty;
                    progress = true;
                }
            }
        }
    }
    return empty == 0;
}

// --- the level ------------------------------------------------------------------------------

int levelIndex(const char* name) {
    for (int k = 0; k < kLevelCount; ++k) {
        if (std::strcmp(kLevelNames[k], name) == 0) {
            return k;
        }
    }
    return kLevelCount - 1;
}

int levelOfWeight(int weight) {
    return levelIndex(LevelOf(weight));
}

// What the weights table says singles decide: the highest level a puzzle that the box singles
// and full houses solve can have, the lowest one a puzzle they do not solve can have, and the
// highest one a puzzle that all singles solve can have.
struct SinglesBounds {
    int boxSinglesSolveAtMost;
    int boxSinglesFailAtLeast;
    int allSinglesSolveAtMost;
};

SinglesBounds singlesBounds() {
    const int fullHouse = InfoOf(Technique::FullHouse).weight;
    const int boxSingle = InfoOf(Technique::HiddenSingleBox).weight;
    const int allSingles =
        std::max({fullHouse, boxSingle, InfoOf(Technique::HiddenSingleLine).weight,
                  InfoOf(Technique::NakedSingle).weight});
    int lightestOther = std::numeric_limits<int>::max();
    for (int t = 0; t <= static_cast<int>(Technique::TrialBySearch); ++t) {
        const auto technique = static_cast<Technique>(t);
        if (technique != Technique::FullHouse && technique != Technique::HiddenSingleBox) {
            lightestOther = std::min(lightestOther, InfoOf(technique).weight);
        }
    }
    return {levelOfWeight(std::max(fullHouse, boxSingle)), levelOfWeight(lightestOther),
            levelOfWeight(allSingles)};
}

// False when singles alone already show the puzzle is not at the level, so it need not be
// rated.
bool mayBeAtLevel(const DigitGrid& puzzle, int level) {
    static const SinglesBounds bounds = singlesBounds();
    if (singlesSolve(puzzle, Singles::BoxesAndFullHouses)) {
        return level <= bounds.boxSinglesSolveAtMost;
    }
    if (level < bounds.boxSinglesFailAtLeast) {
        return false;
    }
    return level <= bounds.allSinglesSolveAtMost || !singlesSolve(puzzle, Singles::All);
}

// One grid made into a minimal puzzle and rated; the puzzle when it is at the level.
std::optional<LevelPuzzle> tryOnce(Level level, Symmetry symmetry, RandomSource& random,
                                   SearchHost& host, bool& stopped) {
    Fill fill;
    fillRandomly(fill, random);
    LevelPuzzle made;
    made.solution = fill.digits;
    made.givens = fill.digits;
    if (!removeGivens(made.givens, symmetry, random, host)) {
        stopped = true;
        return std::nullopt;
    }
    if (!mayBeAtLevel(made.givens, static_cast<int>(level))) {
        return std::nullopt;
    }
    const Explanation explanation = ExplainPuzzle(made.givens);
    made.rating = explanation.rating;
    if (explanation.status != Solutions::One ||
        levelIndex(made.rating.level) != static_cast<int>(level)) {
        return std::nullopt;
    }
    return made;
}

}  // namespace

const char* LevelName(Level level) {
    return kLevelNames[static_cast<int>(level)];
}

std::optional<Level> LevelFromName(std::string_view name) {
    for (int k = 0; k < kLevelCount; ++k) {
        if (name == kLevelNames[k]) {
            return static_cast<Level>(k);
        }
    }
    return std::nullopt;
}

const char* SymmetryName(Symmetry symmetry) {
    return kSymmetryNames[static_cast<int>(symmetry)];
}

std::optional<Symmetry> SymmetryFromName(std::string_view name) {
    for (std::size_t k = 0; k < kSymmetryNames.size(); ++k) {
        if (name == kSymmetryNames[k]) {
            return static_cast<Symmetry>(k);
        }
    }
    return std::nullopt;
}

std::optional<LevelPuzzle> GenerateLevelPuzzle(Level level, Symmetry symmetry, RandomSource& random,
                                               SearchHost& host) {
    host.SearchStarting();
    std::optional<LevelPuzzle> result;
    bool stopped = host.PumpEvents();
    for (int64_t tries = 1; !result && !stopped; ++tries) {
        result = tryOnce(level, symmetry, random, host, stopped);
        if (result) {
            result->tries = tries;
        } else if (!stopped) {
            stopped = host.PumpEvents();
        }
    }
    host.SearchEnded();
    return result;
}

LevelPuzzle GenerateLevelPuzzle(Level level, Symmetry symmetry, RandomSource& random) {
    SearchHost runToTheEnd;
    return *GenerateLevelPuzzle(level, symmetry, random, runToTheEnd);
}

}  // namespace ninefold::steps
