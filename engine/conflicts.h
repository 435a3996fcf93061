// The rule checks: digits missing from boxes, rows and columns, and repeated digits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/board.h"
#include "engine/text_template.h"

namespace ninefold {

// Sum over the 27 units of the digits 1–9 each lacks; 0 means complete and correct. With a
// report, describes each unit that falls short: boxes, then rows, then columns, CR LF breaks,
// in the texts' language.
int16_t CountMissingDigits(const Board& board, std::string* report = nullptr,
                           const TextSource& texts = EnglishText());

// True when some digit occurs twice in a row, a column or a box: the one repeat check of the
// engine and the step solver, on the Board or on bare digits.
bool AnyRepeatedDigit(const Board& board);
bool AnyRepeatedDigit(const DigitGrid& digits);

// The first unit (numbered as kUnits) holding a digit twice, and the lowest such digit.
struct RepeatedDigit {
    int unit;
    int digit;
};
std::optional<RepeatedDigit> FirstRepeatedDigit(const DigitGrid& digits);

// Paints yellow every filled cell whose digit repeats in its row, column or box; returns how
// many of them were not yellow before this call.
int16_t MarkDuplicates(Board& board);

}  // namespace ninefold
