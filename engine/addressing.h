// Cell numbering shared by the whole game: cells 1–81 row-major, rows and columns 1–9,
// boxes 1–9 row-major with their members 1–9 row-major, and the unit and peer tables of them.
#pragma once

#include <array>
#include <cstdint>

namespace ninefold {

constexpr int kCellCount = 81;

// The digits 1-9 as a mask, bit d for digit d: every candidate of an empty cell, and every
// digit a complete unit holds.
constexpr uint16_t kAllDigits = 0x3FE;

// The digits of a grid indexed by cell number, as the Board's cells are; element 0 unused,
// 0 an empty cell.
using DigitGrid = std::array<uint8_t, kCellCount + 1>;

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
// 18–26 boxes 1–9 (members ascending). Every table of the engine that walks units or peers
// reads these, so the whole game numbers cells the one way above.
inline constexpr std::array<Unit, 27> kUnits = [] {
    std::array<Unit, 27> units{};
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j) {
            units[i - 1][j - 1] = CellIndex(i, j);
            units[9 + i - 1][j - 1] = CellIndex(j, i);
            units[18 + i - 1][j - 1] = BoxCells(i, j);
        }
    }
    return units;
}();

inline const std::array<Unit, 27>& AllUnits() {
    return kUnits;
}
inline const Unit& RowUnit(int row) {
    return kUnits[row - 1];
}
inline const Unit& ColumnUnit(int column) {
    return kUnits[9 + column - 1];
}
inline const Unit& BoxUnit(int box) {
    return kUnits[18 + box - 1];
}

// Per cell, the numbers (as in kUnits) of its row, its column and its box; element 0 unused.
using CellUnitList = std::array<uint8_t, 3>;
inline constexpr std::array<CellUnitList, kCellCount + 1> kCellUnits = [] {
    std::array<CellUnitList, kCellCount + 1> units{};
    for (int c = 1; c <= kCellCount; ++c) {
        const RowCol rc = CellRowCol(c);
        units[c] = {static_cast<uint8_t>(rc.row - 1), static_cast<uint8_t>(9 + rc.column - 1),
                    static_cast<uint8_t>(18 + BoxOf(c) - 1)};
    }
    return units;
}();

// The same three units of each cell as bits of a unit set (bit u for kUnits[u]).
inline constexpr std::array<uint32_t, kCellCount + 1> kCellUnitBits = [] {
    std::array<uint32_t, kCellCount + 1> bits{};
    for (int c = 1; c <= kCellCount; ++c) {
        for (const uint8_t unit : kCellUnits[c]) {
            bits[c] |= uint32_t{1} << unit;
        }
    }
    return bits;
}();

// The 20 cells that share a row, a column or a box with a cell, ascending; element 0 unused.
using PeerList = std::array<uint8_t, 20>;
inline constexpr std::array<PeerList, kCellCount + 1> kPeers = [] {
    std::array<PeerList, kCellCount + 1> peers{};
    for (int c = 1; c <= kCellCount; ++c) {
        int n = 0;
        for (int p = 1; p <= kCellCount; ++p) {
            const RowCol a = CellRowCol(c);
            const RowCol b = CellRowCol(p);
            if (p != c && (a.row == b.row || a.column == b.column || BoxOf(c) == BoxOf(p))) {
                peers[c][n++] = static_cast<uint8_t>(p);
            }
        }
    }
    return peers;
}();

inline const PeerList& Peers(int index) {
    return kPeers[index];
}

}  // namespace ninefold
