// The words steps are told in: cells as "row 3, column 5", units as "box 2", lists joined
// with "and", and the candidates a step removes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/steps/step.h"

namespace ninefold::steps {

std::string CellName(int cell);  // cell 1-81
std::string UnitName(int unit);  // unit 0-26
// "3", "3 and 7", "3, 5 and 7"
std::string DigitsText(uint16_t mask);
// Cell names joined: "row 1, column 2 and row 4, column 2"; three or more take semicolons.
std::string CellsText(const std::vector<int>& cells);
// "7 leaves row 1, column 2 and row 3, column 4; 5 leaves ...", grouped by digit.
std::string EliminationText(const std::vector<CellDigit>& eliminations);

// A finished step: its text is "NAME: " + body + ".".
Step MakeStep(Technique technique, int weight, const std::string& body,
              const std::vector<CellDigit>& place, const std::vector<CellDigit>& eliminate,
              Look look = {});

// The step's clue, naming the technique and where to look but no cell and no digit to write:
// "Look at box 7: a hidden single.", "Look at the 4s: an X-wing."
std::string ClueText(const Step& step);

}  // namespace ninefold::steps
