// The unit table, built once from the numbering rules.
#include "engine/addressing.h"

namespace ninefold {

namespace {

std::array<Unit, 27> buildUnits() {
    std::array<Unit, 27> units{};
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j) {
            units[i - 1][j - 1] = CellIndex(i, j);
            units[9 + i - 1][j - 1] = CellIndex(j, i);
            units[18 + i - 1][j - 1] = BoxCells(i, j);
        }
    }
    return units;
}

constexpr std::array<PeerList, kCellCount + 1> kPeers = [] {
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

}  // namespace

const PeerList& Peers(int index) {
    return kPeers[index];
}

const std::array<Unit, 27>& AllUnits() {
    static const std::array<Unit, 27> units = buildUnits();
    return units;
}

}  // namespace ninefold
