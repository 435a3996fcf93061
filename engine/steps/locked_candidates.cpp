// Pointing and claiming.
#include "engine/steps/locked_candidates.h"

#include <algorithm>

#include "engine/steps/single_steps.h"
#include "engine/steps/step_text.h"

namespace ninefold::steps {

namespace {

struct Lock {
    int from;  // the unit the digit is confined within
    int into;  // the unit it is confined to
    int digit;
    std::vector<CellDigit> eliminations;
};

// Every confinement of a digit of unit `from` into another unit that removes candidates.
void collectLocks(const HintGrid& grid, int from, std::vector<Lock>& locks) {
    for (int d = 1; d <= 9; ++d) {
        int shared[3] = {-1, -1, -1};  // the row, column and box every place has in common
        bool first = true;
        bool any = false;
        for (const uint8_t c : kUnits[from]) {
            if (!grid.Has(c, d)) {
                continue;
            }
            any = true;
            for (int k = 0; k < 3; ++k) {
                shared[k] =
                    first ? kCellUnits[c][k] : (shared[k] == kCellUnits[c][k] ? shared[k] : -1);
            }
            first = false;
        }
        if (!any) {
            continue;
        }
        for (const int into : shared) {
            if (into < 0 || into == from || (from < 18) == (into < 18)) {
                continue;
            }
            Lock lock{from, into, d, {}};
            for (const uint8_t c : kUnits[into]) {
                if (grid.Has(c, d) && kCellUnits[c][0] != from && kCellUnits[c][1] != from &&
                    kCellUnits[c][2] != from) {
                    lock.eliminations.push_back({c, static_cast<uint8_t>(d)});
                }
            }
            if (!lock.eliminations.empty()) {
                locks.push_back(std::move(lock));
            }
        }
    }
}

// The units of the same kind as `from` that cross `into`, other than `from` itself: where a
// single must appear for the lock to count as direct.
std::vector<int> crossingUnits(int from, int into) {
    const int kind = from < 9 ? 0 : (from < 18 ? 1 : 2);
    std::vector<int> units;
    for (const uint8_t c : kUnits[into]) {
        const int u = kCellUnits[c][kind];
        if (u != from && std::find(units.begin(), units.end(), u) == units.end()) {
            units.push_back(u);
        }
    }
    return units;
}

// The single that the lock's removals leave in a crossing unit of the first unit's kind.
std::optional<HiddenSingle> directSingle(const HintGrid& grid, const Lock& lock) {
    HintGrid after = grid;
    for (const CellDigit& e : lock.eliminations) {
        after.Eliminate(e.cell, e.digit);
    }
    const std::vector<int> units = crossingUnits(lock.from, lock.into);
    for (const int u : units) {
        if (auto single = SingleCreatedIn(grid, after, {u}, Bit(lock.digit))) {
            return single;
        }
    }
    return std::nullopt;
}

// The cells of the first unit that still hold the locked digit: all lie in the second.
std::vector<int> lockedCells(const HintGrid& grid, const Lock& lock) {
    std::vector<int> cells;
    for (const uint8_t c : kUnits[lock.from]) {
        if (grid.Has(c, lock.digit)) {
            cells.push_back(c);
        }
    }
    return cells;
}

}  // namespace

std::optional<Step> FindLockedCandidates(const HintGrid& grid) {
    std::vector<Lock> pointing;
    std::vector<Lock> claiming;
    for (int u = 18; u < 27; ++u) {
        collectLocks(grid, u, pointing);
    }
    for (int u = 0; u < 18; ++u) {
        collectLocks(grid, u, claiming);
    }
    const TextSource& source = *grid.texts;
    auto confined = [&](const Lock& lock, const std::string& so) {
        return Sentence(source, texts::kLocked,
                        {UnitName(lock.from, source), std::to_string(lock.digit),
                         UnitName(lock.into, source), so});
    };
    // The direct forms first, as they weigh least. A direct step keeps only its placement.
    for (const auto* locks : {&pointing, &claiming}) {
        const bool isPointing = locks == &pointing;
        for (const Lock& lock : *locks) {
            if (const std::optional<HiddenSingle> single = directSingle(grid, lock)) {
                const Technique t =
                    isPointing ? Technique::DirectPointing : Technique::DirectClaiming;
                Step step = MakeStep(source, t, InfoOf(t).weight,
                                     confined(lock, SingleText(*single, source)),
                                     {single->placement}, {}, {lock.from});
                step.cells = lockedCells(grid, lock);
                return step;
            }
        }
    }
    for (const auto* locks : {&pointing, &claiming}) {
        if (!locks->empty()) {
            const Lock& lock = locks->front();
            const Technique t = locks == &pointing ? Technique::Pointing : Technique::Claiming;
            Step step = MakeStep(source, t, InfoOf(t).weight,
                                 confined(lock, EliminationText(lock.eliminations, source)), {},
                                 lock.eliminations, {lock.from});
            step.cells = lockedCells(grid, lock);
            return step;
        }
    }
    return std::nullopt;
}

}  // namespace ninefold::steps
