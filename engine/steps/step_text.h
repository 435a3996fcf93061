// The words steps are told in: cells as "row 3, column 5", units as "box 2", lists joined
// with "and", and the candidates a step removes, each from its template in the source given.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/steps/step.h"
#include "engine/steps/step_texts.h"
#include "engine/text_template.h"

namespace ninefold::steps {

std::string CellName(int cell, const TextSource& source = EnglishText());  // cell 1-81
std::string UnitName(int unit, const TextSource& source = EnglishText());  // unit 0-26
// "3", "3 and 7", "3, 5 and 7"; alternatives take texts::kListLastAlternative, "3, 5 or 7".
std::string DigitsText(uint16_t mask, const TextSource& source = EnglishText(),
                       const TextTemplate& last = texts::kListLast);
// "1, 3 and 5", runs of three or more shortened: "1–3 and 7".
std::string NumbersText(std::vector<int> numbers, const TextSource& source = EnglishText());
// Cells by row: "row 1, columns 1–3; row 4, column 2"; cells of one column as
// "rows 2 and 5, column 3"; three or more groups take semicolons.
std::string CellsText(const std::vector<int>& cells, const TextSource& source = EnglishText());
// Cells of one unit as its places: "columns 1–3" in a row, "rows 2 and 5" in a column,
// cell names in a box.
std::string PlacesText(int unit, const std::vector<int>& cells,
                       const TextSource& source = EnglishText());
// "7 and 8 leave row 1, column 3; 5 leaves rows 2 and 4, column 6": cells grouped by the
// digits they lose.
std::string EliminationText(const std::vector<CellDigit>& eliminations,
                            const TextSource& source = EnglishText());

// Whether the source tells steps with the English templates, whose grammar (a lower-case
// name inside a sentence, "a" or "an") the code supplies.
bool ToldInEnglish(const TextSource& source);

// The technique's name in the source's language.
std::string TechniqueName(Technique technique, const TextSource& source = EnglishText());

// A finished step: its text is "NAME: " + body + ".".
Step MakeStep(const TextSource& source, Technique technique, int weight, const std::string& body,
              const std::vector<CellDigit>& place, const std::vector<CellDigit>& eliminate,
              Look look = {});

// The step's clue, naming the technique and where to look but no cell and no digit to write:
// "Look at box 7: a hidden single.", "Look at the 4s: an X-wing."
std::string ClueText(const Step& step, const TextSource& source = EnglishText());

}  // namespace ninefold::steps
