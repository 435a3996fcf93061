// Singles-only propagation of an assumption, recording when each candidate left. Only the
// cells that lost a candidate are looked at again: a queue of cells left with one candidate,
// and the units where some candidate left, checked for hidden singles.
#include "engine/steps/assumption_branch.h"

namespace ninefold::steps {

namespace {

class Propagation {
  public:
    explicit Propagation(AssumptionBranch& branch) : b_(branch) {}

    void Run(int cell, int digit) {
        place(cell, digit);
        while (!b_.contradiction && (head_ != tail_ || dirty_ != 0)) {
            if (head_ != tail_) {
                nakedSingle(queue_[head_++]);
            } else {
                const int unit = std::countr_zero(dirty_);
                dirty_ &= dirty_ - 1;
                placeHiddenSingles(unit);
            }
        }
    }

  private:
    void place(int cell, int digit) {
        HintGrid& g = b_.grid;
        const auto when = static_cast<uint8_t>(++b_.placements);
        for (uint16_t rest = static_cast<uint16_t>(g.masks[cell] & ~Bit(digit)); rest != 0;
             rest &= static_cast<uint16_t>(rest - 1)) {
            b_.removedAt[cell * 10 + LowestOf(rest)] = when;
        }
        g.digits[cell] = static_cast<uint8_t>(digit);
        g.masks[cell] = 0;
        dirty_ |= kCellUnitBits[cell];
        for (const uint8_t p : kPeers[cell]) {
            if (!g.Has(p, digit)) {
                continue;
            }
            g.Eliminate(p, digit);
            b_.removedAt[p * 10 + digit] = when;
            dirty_ |= kCellUnitBits[p];
            const uint16_t m = g.masks[p];
            if (m == 0) {
                b_.contradiction = true;
            } else if ((m & (m - 1)) == 0) {
                queue_[tail_++] = p;
            }
        }
    }

    void nakedSingle(int cell) {
        const uint16_t m = b_.grid.masks[cell];
        if (b_.grid.digits[cell] != 0) {
            return;  // queued twice, or placed as a hidden single meanwhile
        }
        if (m == 0) {
            b_.contradiction = true;
            return;
        }
        place(cell, LowestOf(m));
    }

    // Twin of the counting search's placeHiddenSingles, kept apart because this one records
    // when each candidate left, which the explanations of forcing steps read.
    void placeHiddenSingles(int unit) {
        const HintGrid& g = b_.grid;
        const auto& cells = kUnits[unit];
        uint16_t once = 0;
        uint16_t twice = 0;
        uint16_t placed = 0;
        for (const uint8_t c : cells) {
            placed |= Bit(g.digits[c]);
            twice |= once & g.masks[c];
            once |= g.masks[c];
        }
        if (((once | placed) & kAllDigits) != kAllDigits) {
            b_.contradiction = true;  // some digit has no place left in the unit
            return;
        }
        for (uint16_t lone = static_cast<uint16_t>(once & ~twice); lone != 0 && !b_.contradiction;
             lone &= static_cast<uint16_t>(lone - 1)) {
            const int d = LowestOf(lone);
            int where = -1;
            for (const uint8_t c : cells) {
                where = g.Has(c, d) ? c : where;
            }
            if (where < 0) {
                b_.contradiction = true;  // an earlier single of this unit took its place
                return;
            }
            place(where, d);
        }
    }

    AssumptionBranch& b_;
    // Each cell is queued at most once per candidate it loses, so 81 * 9 entries suffice.
    std::array<uint8_t, kCellCount * 9> queue_;  // only entries head_ to tail_ are ever read
    int head_ = 0;
    int tail_ = 0;
    uint32_t dirty_ = 0;  // units where a candidate left since they were last checked
};

}  // namespace

AssumptionBranch FollowAssumption(const HintGrid& grid, int cell, int digit) {
    AssumptionBranch b;
    b.grid = grid;
    Propagation(b).Run(cell, digit);
    return b;
}

}  // namespace ninefold::steps
