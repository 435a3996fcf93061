// Singles-only propagation of an assumption, recording when each candidate left.
#include "engine/assumption_branch.h"

namespace ninefold::hints {

namespace {

void place(AssumptionBranch& b, int cell, int digit) {
    const int when = ++b.placements;
    for (uint16_t rest = static_cast<uint16_t>(b.grid.masks[cell] & ~Bit(digit)); rest != 0;
         rest &= static_cast<uint16_t>(rest - 1)) {
        b.removedAt[cell * 10 + LowestOf(rest)] = static_cast<uint8_t>(when);
    }
    b.grid.digits[cell] = static_cast<uint8_t>(digit);
    b.grid.masks[cell] = 0;
    for (const uint8_t p : Tables().peers[cell]) {
        if (b.grid.Has(p, digit)) {
            b.grid.Eliminate(p, digit);
            b.removedAt[p * 10 + digit] = static_cast<uint8_t>(when);
        }
    }
}

// One pass of naked singles; false on a cell left without candidates.
bool nakedSingles(AssumptionBranch& b, bool& progress) {
    for (int c = 0; c < 81; ++c) {
        if (b.grid.digits[c] != 0) {
            continue;
        }
        const uint16_t m = b.grid.masks[c];
        if (m == 0) {
            return false;
        }
        if ((m & (m - 1)) == 0) {
            place(b, c, LowestOf(m));
            progress = true;
        }
    }
    return true;
}

// One pass of hidden singles; false on a digit left without a place in some unit.
bool hiddenSingles(AssumptionBranch& b, bool& progress) {
    for (const auto& unit : Tables().units) {
        uint16_t once = 0;
        uint16_t twice = 0;
        uint16_t placed = 0;
        for (const uint8_t c : unit) {
            placed |= Bit(b.grid.digits[c]);
            twice |= once & b.grid.masks[c];
            once |= b.grid.masks[c];
        }
        if (((once | placed) & kAllCandidates) != kAllCandidates) {
            return false;
        }
        for (uint16_t lone = static_cast<uint16_t>(once & ~twice); lone != 0;
             lone &= static_cast<uint16_t>(lone - 1)) {
            const int d = LowestOf(lone);
            int where = -1;
            for (const uint8_t c : unit) {
                where = b.grid.Has(c, d) ? c : where;
            }
            if (where < 0) {
                return false;  // an earlier single of this unit took its place
            }
            place(b, where, d);
            progress = true;
        }
    }
    return true;
}

}  // namespace

AssumptionBranch FollowAssumption(const HintGrid& grid, int cell, int digit) {
    AssumptionBranch b;
    b.grid = grid;
    place(b, cell, digit);
    bool progress = true;
    while (progress) {
        progress = false;
        if (!nakedSingles(b, progress) || !hiddenSingles(b, progress)) {
            b.contradiction = true;
            break;
        }
    }
    return b;
}

}  // namespace ninefold::hints
