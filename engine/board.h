// The puzzle state: 81 cells, the Candidates table, the change log of the search, the cancel
// flag, and each cell's background. SetCell is the one way any part of the game writes a cell.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/addressing.h"

namespace ninefold {

enum class BackColour : uint8_t { White, Yellow };

constexpr uint32_t kWhiteRgb = 0xFFFFFF;
constexpr uint32_t kYellowRgb = 0xFFFF00;
constexpr uint32_t kFixedDigitRgb = 0x800000;

struct CellState {
    uint8_t Digit = 0;   // 0 = empty
    bool Fixed = false;  // entered, loaded or generated; false for the program's own digits
    bool operator==(const CellState&) const = default;
};

// Told after every cell write, so a view can repaint that one cell from what it is given.
class CellPainter {
  public:
    virtual ~CellPainter() = default;
    virtual void PaintCell(int index, const CellState& cell, BackColour back) = 0;
};

// Entry (cell, digit) reads as the digit while it is possible there and 0 once excluded.
// Held as one bit mask per cell (bit d for digit d) so a full recomputation stays cheap.
class CandidateTable {
  public:
    CandidateTable() { Reset(); }
    uint8_t operator()(int cell, int digit) const {
        return ((masks_[cell] >> digit) & 1U) != 0 ? static_cast<uint8_t>(digit) : 0;
    }
    uint16_t Mask(int cell) const { return masks_[cell]; }
    // Every mask in cell order, element 0 unused: for scans that read four cells at a time.
    const uint16_t* Masks() const { return masks_.data(); }
    // For the forced-cell fill, which updates many cells' masks in place at once.
    uint16_t* Masks() { return masks_.data(); }
    void SetMask(int cell, uint16_t mask) { masks_[cell] = mask; }
    void Reset() { masks_.fill(kAllDigits); }

  private:
    std::array<uint16_t, kCellCount + 1> masks_{};
};

// The cells written while RecordChanges is on, oldest first; reads as "5,23," as text.
class ChangeLogList {
  public:
    ChangeLogList() { cells_.reserve(4 * kCellCount); }
    void Append(int index) { cells_.push_back(static_cast<uint8_t>(index)); }
    void Clear() { cells_.clear(); }
    const std::vector<uint8_t>& Cells() const { return cells_; }
    std::string Text() const;

  private:
    std::vector<uint8_t> cells_;
};

// The 81 cells in cell order, cell 1 first, as a file or a text line carries them.
using CellGrid = std::array<CellState, kCellCount>;

class Board {
  public:
    // Indexed by cell number 1–81; element 0 is never used.
    std::array<CellState, kCellCount + 1> Cells{};
    CandidateTable Candidates;
    ChangeLogList ChangeLog;
    bool RecordChanges = false;

    void SetPainter(CellPainter* painter) { painter_ = painter; }

    // op: a digit 0–9 (0 empties the cell).
    void SetCell(int index, int digit, bool fixed, BackColour back);
    // op: "+" steps up (9 becomes empty), "-" steps down (empty becomes 9), "" is 0,
    // otherwise the one-character text of a digit.
    void SetCell(int index, std::string_view op, bool fixed, BackColour back);

    BackColour Background(int index) const { return background_[index]; }

    // Rewrites every cell with its own digit and flag on white.
    void RepaintCells();

    // Writes all 81 cells from a grid, cell 1 first, on white; a digit above 9 is empty.
    void WriteCells(const CellGrid& grid);
    CellGrid ReadCells() const;

  private:
    std::array<BackColour, kCellCount + 1> background_{};
    CellPainter* painter_ = nullptr;
};

}  // namespace ninefold
