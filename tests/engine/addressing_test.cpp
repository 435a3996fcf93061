// Numbering conversions and the unit table, checked against the board's geometry.
#include <gtest/gtest.h>

#include <set>

#include "engine/addressing.h"

namespace ninefold {
namespace {

TEST(Addressing, RowColumnRoundTripsForEveryCell) {
    for (int i = 1; i <= kCellCount; ++i) {
        const RowCol rc = CellRowCol(i);
        ASSERT_GE(rc.row, 1);
        ASSERT_LE(rc.column, 9);
        EXPECT_EQ(CellIndex(rc.row, rc.column), i);
    }
    EXPECT_EQ(CellRowCol(9), (RowCol{1, 9}));
    EXPECT_EQ(CellRowCol(10), (RowCol{2, 1}));
    EXPECT_EQ(CellRowCol(81), (RowCol{9, 9}));
    EXPECT_EQ(CellIndex(9, 9), 81);
}

TEST(Addressing, BoxesHoldTheirCellsRowMajor) {
    const Unit box1{1, 2, 3, 10, 11, 12, 19, 20, 21};
    const Unit box9{61, 62, 63, 70, 71, 72, 79, 80, 81};
    EXPECT_EQ(BoxUnit(1), box1);
    EXPECT_EQ(BoxUnit(9), box9);
    EXPECT_EQ(BoxCells(6, 4), CellIndex(5, 7));
    for (int b = 1; b <= 9; ++b) {
        for (uint8_t cell : BoxUnit(b)) {
            EXPECT_EQ(BoxOf(cell), b);
        }
    }
}

TEST(Addressing, EveryCellLiesInExactlyOneUnitOfEachKind) {
    for (int kind = 0; kind < 3; ++kind) {
        std::multiset<int> seen;
        for (int u = 0; u < 9; ++u) {
            for (uint8_t cell : AllUnits()[kind * 9 + u]) {
                seen.insert(cell);
            }
        }
        for (int c = 1; c <= kCellCount; ++c) {
            EXPECT_EQ(seen.count(c), 1U) << "kind " << kind << " cell " << c;
        }
    }
    EXPECT_EQ(RowUnit(2)[0], 10);
    EXPECT_EQ(ColumnUnit(2)[1], 11);
}

}  // namespace
}  // namespace ninefold
