// What a screen reader learns about the grid and the candidate panel: each cell box and each
// candidate box by its row and column, with what it shows as its value.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "engine/board.h"

class QWidget;

namespace ninefold {

// "Row 3, column 5".
QString CellAccessibleName(int index);
// "Candidates of row 3, column 5".
QString CandidateAccessibleName(int index);
// "7" for the program's digit, "7, given" for a Fixed one, "empty".
QString CellAccessibleValue(const CellState& cell);
// The digits still possible, "1 2 5", or "none"; empty while the box was never drawn.
QString CandidateAccessibleValue(const std::array<uint8_t, 9>& entries, bool drawn);

// Gives the cell boxes and candidate boxes their accessible interfaces; once per program.
void InstallAccessibility();
// Tells the accessibility layer that what a cell box or candidate box shows may have
// changed; it hears of it only when the text did change, and only while a client listens.
void AnnounceShownValue(QWidget* box);

}  // namespace ninefold
