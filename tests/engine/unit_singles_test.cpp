// The digits found in exactly one cell of a unit, as the hidden-single passes read them,
// against counting cell by cell on random tables from sparse to full.
#include <gtest/gtest.h>

#include <random>

#include "engine/addressing.h"
#include "engine/unit_tally.h"

namespace ninefold {
namespace {

uint16_t countedSingles(const std::array<uint16_t, kCellCount + 1>& sets, const Unit& unit) {
    uint16_t singles = 0;
    for (int d = 1; d <= 9; ++d) {
        int n = 0;
        for (uint8_t cell : unit) {
            n += (sets[cell] >> d) & 1;
        }
        singles |= static_cast<uint16_t>(n == 1 ? 1U << d : 0);
    }
    return singles;
}

TEST(UnitSingles, MatchCountingOnRandomTables) {
    std::mt19937 random(11);
    for (int round = 0; round < 400; ++round) {
        std::array<uint16_t, kCellCount + 1> sets{};
        const unsigned density = round % 5;  // 0: every set empty … 4: every digit everywhere
        for (int c = 1; c <= kCellCount; ++c) {
            for (int d = 1; d <= 9; ++d) {
                sets[c] |= static_cast<uint16_t>(random() % 4 < density ? 1U << d : 0);
            }
        }
        // Some rounds leave a single digit in one cell only, the case the passes look for.
        if (round % 3 == 0) {
            const int cell = static_cast<int>(random() % kCellCount) + 1;
            sets[cell] = static_cast<uint16_t>(1U << (random() % 9 + 1));
        }
        const UnitSingles kinds[] = {RowSingles(sets.data()), ColumnSingles(sets.data()),
                                     BoxSingles(sets.data())};
        for (int kind = 0; kind < 3; ++kind) {
            uint16_t units = 0;
            for (int u = 0; u < 9; ++u) {
                const uint16_t expected = countedSingles(sets, AllUnits()[9 * kind + u]);
                ASSERT_EQ(kinds[kind].digits[u], expected) << kind << " " << u << " " << round;
                units |= static_cast<uint16_t>((expected != 0 ? 1U : 0U) << u);
            }
            ASSERT_EQ(kinds[kind].units, units) << kind << " " << round;
        }
    }
}

TEST(UnitSingles, DigitInTheLastCellOfEachUnit) {
    // Column 9 and row 9 are handled apart from the other eight; a digit only there.
    std::array<uint16_t, kCellCount + 1> sets{};
    sets[9] = 1U << 4;   // row 1, column 9, box 3
    sets[81] = 1U << 7;  // row 9, column 9, box 9
    sets[73] = 1U << 2;  // row 9, column 1, box 7
    const UnitSingles rows = RowSingles(sets.data());
    const UnitSingles columns = ColumnSingles(sets.data());
    const UnitSingles boxes = BoxSingles(sets.data());
    EXPECT_EQ(rows.digits[0], 1U << 4);
    EXPECT_EQ(rows.digits[8], (1U << 7) | (1U << 2));
    EXPECT_EQ(rows.units, (1U << 0) | (1U << 8));
    EXPECT_EQ(columns.digits[8], (1U << 4) | (1U << 7));
    EXPECT_EQ(columns.digits[0], 1U << 2);
    EXPECT_EQ(columns.units, (1U << 0) | (1U << 8));
    EXPECT_EQ(boxes.digits[2], 1U << 4);
    EXPECT_EQ(boxes.digits[8], 1U << 7);
    EXPECT_EQ(boxes.digits[6], 1U << 2);
    EXPECT_EQ(boxes.units, (1U << 2) | (1U << 6) | (1U << 8));
}

}  // namespace
}  // namespace ninefold
