// Tallies of digits per unit. Four neighbouring cells' digit sets travel together in one
// 64-bit word (16 bits per cell), so a row's cells take three reads, and column and box
// tallies are built from the rows' words without looking at cells one by one. Where SSE2 is
// there (every x86-64), columns and boxes take eight cells per vector instead.
#include "engine/unit_tally.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define NINEFOLD_TALLY_SSE2 1
#endif

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

#ifdef NINEFOLD_TALLY_SSE2

namespace {

// The tally of eight cells per 16-bit lane.
struct Vector {
    __m128i once = _mm_setzero_si128();
    __m128i twice = _mm_setzero_si128();

    void Add(__m128i sets) {
        twice = _mm_or_si128(twice, _mm_and_si128(once, sets));
        once = _mm_or_si128(once, sets);
    }
    void Add(const Vector& other) {
        twice = _mm_or_si128(_mm_or_si128(twice, other.twice), _mm_and_si128(once, other.once));
        once = _mm_or_si128(once, other.once);
    }
    // Lane k + n moved to lane k, zeros shifted in at the top.
    template <int N>
    Vector Shifted() const {
        return {_mm_srli_si128(once, 2 * N), _mm_srli_si128(twice, 2 * N)};
    }
    template <int K>
    DigitTally Lane() const {
        return {static_cast<uint16_t>(_mm_extract_epi16(once, K)),
                static_cast<uint16_t>(_mm_extract_epi16(twice, K))};
    }
};

// Rows first … last added up column by column: columns 1–8 in the vector, column 9 apart.
struct RowSum {
    Vector columns;
    DigitTally last;
};

RowSum addRows(const uint16_t* sets, int first, int last) {
    RowSum sum;
    for (int r = first; r < last; ++r) {
        const uint16_t* row = sets + 9 * r + 1;
        sum.columns.Add(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row)));
        add(sum.last, row[8]);
    }
    return sum;
}

__m128i loadRow(const uint16_t* sets, int row) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(sets + 9 * row + 1));
}

// Rows r and r + 1 (an empty row after row 9) over columns 1–8: columns 1–4 of both rows added
// to columns 5–8, then neighbouring lanes twice, which leaves row r in lane 0 and row r + 1 in
// lane 4.
Vector rowPair(const uint16_t* sets, int r) {
    const __m128i first = loadRow(sets, r);
    const __m128i second = r + 1 < 9 ? loadRow(sets, r + 1) : _mm_setzero_si128();
    const __m128i low = _mm_unpacklo_epi64(first, second);
    const __m128i high = _mm_unpackhi_epi64(first, second);
    Vector rows{_mm_or_si128(low, high), _mm_and_si128(low, high)};
    rows.Add(rows.Shifted<1>());
    rows.Add(rows.Shifted<2>());
    return rows;
}

}  // namespace

UnitTallies RowTallies(const uint16_t* sets) {
    UnitTallies tallies{};
    for (int r = 0; r < 9; r += 2) {
        const Vector rows = rowPair(sets, r);
        tallies[r] = rows.Lane<0>();
        add(tallies[r], sets[9 * r + 9]);
        if (r + 1 < 9) {
            tallies[r + 1] = rows.Lane<4>();
            add(tallies[r + 1], sets[9 * r + 18]);
        }
    }
    return tallies;
}

UnitTallies ColumnTallies(const uint16_t* sets) {
    const RowSum sum = addRows(sets, 0, 9);
    UnitTallies tallies{};
    tallies[0] = sum.columns.Lane<0>();
    tallies[1] = sum.columns.Lane<1>();
    tallies[2] = sum.columns.Lane<2>();
    tallies[3] = sum.columns.Lane<3>();
    tallies[4] = sum.columns.Lane<4>();
    tallies[5] = sum.columns.Lane<5>();
    tallies[6] = sum.columns.Lane<6>();
    tallies[7] = sum.columns.Lane<7>();
    tallies[8] = sum.last;
    return tallies;
}

UnitTallies BoxTallies(const uint16_t* sets) {
    UnitTallies tallies{};
    for (int band = 0; band < 3; ++band) {
        const RowSum sum = addRows(sets, 3 * band, 3 * band + 3);
        // Lane k gets columns k, k + 1 and k + 2: lanes 0, 3 and 6 are the band's boxes, the
        // last one still without column 9.
        Vector boxes = sum.columns;
        boxes.Add(sum.columns.Shifted<1>());
        boxes.Add(sum.columns.Shifted<2>());
        tallies[3 * band] = boxes.Lane<0>();
        tallies[3 * band + 1] = boxes.Lane<3>();
        tallies[3 * band + 2] = boxes.Lane<6>();
        add(tallies[3 * band + 2], sum.last);
    }
    return tallies;
}

namespace {

__m128i singlesOf(const Vector& v) {
    return _mm_andnot_si128(v.twice, v.once);
}

// Bit u set for each non-empty entry.
uint16_t nonEmpty(const std::array<uint16_t, 9>& digits) {
    uint16_t units = 0;
    for (int u = 0; u < 9; ++u) {
        units |= static_cast<uint16_t>((digits[u] != 0 ? 1U : 0U) << u);
    }
    return units;
}

}  // namespace

UnitSingles RowSingles(const uint16_t* sets) {
    UnitSingles singles;
    for (int r = 0; r < 9; r += 2) {
        Vector rows = rowPair(sets, r);
        // Column 9 of each row joins its row's lane.
        __m128i last = _mm_insert_epi16(_mm_setzero_si128(), sets[9 * r + 9], 0);
        if (r + 1 < 9) {
            last = _mm_insert_epi16(last, sets[9 * r + 18], 4);
        }
        rows.Add(last);
        const __m128i found = singlesOf(rows);
        singles.digits[r] = static_cast<uint16_t>(_mm_extract_epi16(found, 0));
        if (r + 1 < 9) {
            singles.digits[r + 1] = static_cast<uint16_t>(_mm_extract_epi16(found, 4));
        }
    }
    singles.units = nonEmpty(singles.digits);
    return singles;
}

UnitSingles ColumnSingles(const uint16_t* sets) {
    const RowSum sum = addRows(sets, 0, 9);
    UnitSingles singles;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(singles.digits.data()), singlesOf(sum.columns));
    singles.digits[8] = sum.last.Singles();
    singles.units = nonEmpty(singles.digits);
    return singles;
}

UnitSingles BoxSingles(const uint16_t* sets) {
    UnitSingles singles;
    for (int band = 0; band < 3; ++band) {
        const RowSum sum = addRows(sets, 3 * band, 3 * band + 3);
        Vector boxes = sum.columns;
        boxes.Add(sum.columns.Shifted<1>());
        boxes.Add(sum.columns.Shifted<2>());
        // Column 9 joins the third box, in lane 6.
        boxes.Add(Vector{_mm_insert_epi16(_mm_setzero_si128(), sum.last.once, 6),
                         _mm_insert_epi16(_mm_setzero_si128(), sum.last.twice, 6)});
        const __m128i found = singlesOf(boxes);
        singles.digits[3 * band] = static_cast<uint16_t>(_mm_extract_epi16(found, 0));
        singles.digits[3 * band + 1] = static_cast<uint16_t>(_mm_extract_epi16(found, 3));
        singles.digits[3 * band + 2] = static_cast<uint16_t>(_mm_extract_epi16(found, 6));
    }
    singles.units = nonEmpty(singles.digits);
    return singles;
}

#else

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

#endif

#ifndef NINEFOLD_TALLY_SSE2

namespace {

UnitSingles singlesOf(const UnitTallies& tallies) {
    UnitSingles singles;
    for (int u = 0; u < 9; ++u) {
        singles.digits[u] = tallies[u].Singles();
        singles.units |= static_cast<uint16_t>((singles.digits[u] != 0 ? 1U : 0U) << u);
    }
    return singles;
}

}  // namespace

UnitSingles RowSingles(const uint16_t* sets) {
    return singlesOf(RowTallies(sets));
}
UnitSingles ColumnSingles(const uint16_t* sets) {
    return singlesOf(ColumnTallies(sets));
}
UnitSingles BoxSingles(const uint16_t* sets) {
    return singlesOf(BoxTallies(sets));
}

#endif

}  // namespace ninefold
