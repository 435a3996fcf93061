// Pointing and claiming.
#include "engine/steps/locked_candidates.h"

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

}  // namespace

bool MakeDirect(const HintGrid& grid, std::vector<CellDigit>& place, std::string& body,
                const std::vector<CellDigit>& eliminations) {
    const std::optional<HiddenSingle> single = HiddenSingleAfter(grid, eliminations);
    if (!single) {
        return false;
    }
    place.push_back(single->placement);
    body += "; then " + std::to_string(single->placement.digit) + " can go only in " +
            CellName(single->placement.cell) + " within " + UnitName(single->unit);
    return true;
}

std::optional<Step> FindLockedCandidates(const HintGrid& grid) {
    std::vector<Lock> pointing;
    std::vector<Lock> claiming;
    for (int u = 18; u < 27; ++u) {
        collectLocks(grid, u, pointing);
    }
    for (int u = 0; u < 18; ++u) {
        collectLocks(grid, u, claiming);
    }
    auto describe = [](const Lock& lock) {
        return "in " + UnitName(lock.from) + ", " + std::to_string(lock.digit) + " lies only in " +
               UnitName(lock.into) + ", so " + EliminationText(lock.eliminations);
    };
    // The direct forms first, as they weigh least.
    for (const auto* locks : {&pointing, &claiming}) {
        const bool isPointing = locks == &pointing;
        for (const Lock& lock : *locks) {
            std::vector<CellDigit> place;
            std::string body = describe(lock);
            if (MakeDirect(grid, place, body, lock.eliminations)) {
                const Technique t =
                    isPointing ? Technique::DirectPointing : Technique::DirectClaiming;
                return MakeStep(t, InfoOf(t).weight, body, place, lock.eliminations);
            }
        }
    }
    if (!pointing.empty()) {
        return MakeStep(Technique::Pointing, 26, describe(pointing[0]), {},
                        pointing[0].eliminations);
    }
    if (!claiming.empty()) {
        return MakeStep(Technique::Claiming, 28, describe(claiming[0]), {},
                        claiming[0].eliminations);
    }
    return std::nullopt;
}

}  // namespace ninefold::steps
