// The window's fonts, in logical pixels so the grid keeps its proportions on every screen.
// Each names the classic face first and falls back to a close face the machine has.
#pragma once

#include <QFont>

namespace ninefold {

QFont CellFont();       // cell boxes: "MS Sans Serif" 12 pt
QFont PanelFont();      // candidate panel header: "MS Sans Serif" 8.25 pt
QFont CandidateFont();  // candidate boxes: "Arial" 8.25 pt
QFont WaitFont();       // wait window: "Times New Roman" 14.25 pt

}  // namespace ninefold
