// Tallies of digits per unit. Four neighbouring cells' digit sets travel together in one
// 64-bit word (16 bits per cell), so a row's cells take three reads, and column and box
// tallies are built from the rows' words without looking at cells one by one.
#include "engine/unit_tally.h"

#include <bit>
#include <cstring>

namespace ninefold {

namespace {

// The tally of one group of cells per 16-bit lane.
struct Lanes {
    uint64_t once = 0;
    uint64_t twice = 0;

    void Add(uint64_t sets) {
        twice |= once & sets;
        once |= sets;
    }
    void Add(const Lanes& other) {
        twice |= other.twice | (once & other.once);
        once |= other.once;
    }
    DigitTally Lane(int i) const {
        return {static_cast<uint16_t>(once >> (16 * i)), static_cast<uint16_t>(twice >> (16 * i))};
    }
};

void add(DigitTally& tally, uint16_t sets) {
    tally.twice |= tally.once & sets;
    tally.once |= sets;
}

void add(DigitTally& tally, const DigitTally& other) {
    tally.twice |= other.twice | (tally.once & other.once);
    tally.once |= other.once;
}

// The sets of cells c … c + 3, cell c in the lowest 16 bits.
uint64_t fourSets(const uint16_t* sets, int c) {
    if constexpr (std::endian::native == std::endian::little) {
        uint64_t word;
        std::memcpy(&word, sets + c, sizeof word);
        return word;
    } else {
        return uint64_t{sets[c]} | uint64_t{sets[c + 1]} << 16 | uint64_t{sets[c + 2]} << 32 |
               uint64_t{sets[c + 3]} << 48;
    }
}

// Rows added up column by column: one lane per column, columns 1–4, 5–8, and 9 alone.
struct ColumnLanes {
    Lanes left, middle;
    DigitTally last;

    void AddRow(const uint16_t* sets, int row) {
        const int first = 9 * row + 1;
        left.Add(fourSets(sets, first));
        middle.Add(fourSets(sets, first + 4));
        add(last, sets[first + 8]);
    }
    DigitTally Column(int k) const {
        return k < 4 ? left.Lane(k) : k < 8 ? middle.Lane(k - 4) : last;
    }
};

}  // namespace

UnitTallies RowTallies(const uint16_t* sets) {
    UnitTallies tallies{};
    for (int r = 0; r < 9; ++r) {
        // Columns 1–8 folded lane onto lane (half the word onto the other half, twice), then
        // column 9.
        const int first = 9 * r + 1;
        Lanes row;
        row.Add(fourSets(sets, first));
        row.Add(fourSets(sets, first + 4));
        row.Add(Lanes{row.once >> 32, row.twice >> 32});
        row.Add(Lanes{row.once >> 16, row.twice >> 16});
        tallies[r] = row.Lane(0);
        add(tallies[r], sets[first + 8]);
    }
    return tallies;
}

UnitTallies ColumnTallies(const uint16_t* sets) {
    ColumnLanes columns;
    for (int r = 0; r < 9; ++r) {
        columns.AddRow(sets, r);
    }
    UnitTallies tallies{};
    for (int k = 0; k < 9; ++k) {
        tallies[k] = columns.Column(k);
    }
    return tallies;
}

UnitTallies BoxTallies(const uint16_t* sets) {
    UnitTallies tallies{};
    for (int band = 0; band < 3; ++band) {
        ColumnLanes columns;
        for (int r = 3 * band; r < 3 * band + 3; ++r) {
            columns.AddRow(sets, r);
        }
        // Columns 1–3, 4–6 and 7–9 of the band, spelled out lane by lane.
        DigitTally* box = &tallies[3 * band];
        box[0] = columns.left.Lane(0);
        add(box[0], columns.left.Lane(1));
        add(box[0], columns.left.Lane(2));
        box[1] = columns.left.Lane(3);
        add(box[1], columns.middle.Lane(0));
        add(box[1], columns.middle.Lane(1));
        box[2] = columns.middle.Lane(2);
        add(box[2], columns.middle.Lane(3));
        add(box[2], columns.last);
    }
    return tallies;
}

}  // namespace ninefold
