// Cell numbering shared by the whole game: cells 1–81 row-major, rows and columns 1–9,
// boxes 1–9 row-major with their members 1–9 row-major, and the 27 units built from them.
#pragma once

#include <array>
#include <cstdint>

namespace ninefold {

constexpr int kCellCount = 81;

// One row, column or box: its nine cell indices in the order the checks walk them.
using Unit = std::array<uint8_t, 9>;

constexpr uint8_t CellIndex(int row, int column) {
    return static_cast<uint8_t>((row - 1) * 9 + column);
}

struct RowCol {
    int row;
    int column;
    bool operator==(const RowCol&) const = default;
};

constexpr RowCol CellRowCol(int index) {
    int row = index / 9;
    int column = index % 9;
    if (column == 0) {
        column = 9;
    } else {
        ++row;
    }
    return {row, column};
}

// Cell index of member k (1–9) of box b (1–9).
constexpr uint8_t BoxCells(int box, int member) {
    return CellIndex(3 * ((box - 1) / 3) + (member - 1) / 3 + 1,
                     3 * ((box - 1) % 3) + (member - 1) % 3 + 1);
}

constexpr int BoxOf(int index) {
    const RowCol rc = CellRowCol(index);
    return 3 * ((rc.row - 1) / 3) + (rc.column - 1) / 3 + 1;
}

// Units 0–8 are rows 1–9 (columns ascending), 9–17 columns 1–9 (rows ascending),
// 18–26 boxes 1–9 (members ascending).
const std::array<Unit, 27>& AllUnits();
inline const Unit& RowUnit(int row) {
    return AllUnits()[row - 1];
}
inline const Unit& ColumnUnit(int column) {
    return AllUnits()[9 + column - 1];
}
inline const Unit& BoxUnit(int box) {
    return AllUnits()[18 + box - 1];
}

// The 20 cells that share a row, a column or a box with a cell, ascending.
using PeerList = std::array<uint8_t, 20>;
const PeerList& Peers(int index);

}  // namespace ninefold
