// Unique rectangles and BUG+1: a pattern that would let two digits swap places, giving a
// second solution, must be broken.
#include "engine/steps/uniqueness_steps.h"

#include "engine/steps/step_text.h"

namespace ninefold::steps {

namespace {

// Rows r1, r2 and columns c1, c2 whose four cells lie in exactly two boxes.
bool spansTwoBoxes(int r1, int r2, int c1, int c2) {
    return ((r1 - 1) / 3 == (r2 - 1) / 3) != ((c1 - 1) / 3 == (c2 - 1) / 3);
}

// The units two cells share.
std::vector<int> sharedUnits(int a, int b) {
    std::vector<int> units;
    for (int k = 0; k < 3; ++k) {
        if (kCellUnits[a][k] == kCellUnits[b][k]) {
            units.push_back(kCellUnits[a][k]);
        }
    }
    return units;
}

// The roof's extra digits, as if one cell held them, with other cells of the unit holding
// only those digits and as many of them as cells: the digits leave the unit's other cells.
std::optional<Step> nakedSubsetWithRoof(const HintGrid& grid, int unit,
                                        const std::vector<int>& roof, uint16_t extra,
                                        const std::string& where, const std::string& pairText) {
    std::vector<int> others;
    for (const uint8_t c : kUnits[unit]) {
        if (grid.digits[c] == 0 && c != roof[0] && c != roof[1]) {
            others.push_back(c);
        }
    }
    const int n = static_cast<int>(others.size());
    for (int chosen = 1; chosen < (1 << n); ++chosen) {
        uint16_t digits = extra;
        std::vector<int> members;
        for (int k = 0; k < n; ++k) {
            if ((chosen & (1 << k)) != 0) {
                digits |= grid.masks[others[k]];
                members.push_back(others[k]);
            }
        }
        if (CountOf(digits) != static_cast<int>(members.size()) + 1 || members.size() > 3) {
            continue;
        }
        std::vector<CellDigit> eliminations;
        for (int k = 0; k < n; ++k) {
            for (int d = 1; d <= 9; ++d) {
                if ((chosen & (1 << k)) == 0 && (digits & Bit(d)) != 0 && grid.Has(others[k], d)) {
                    eliminations.push_back(
                        {static_cast<uint8_t>(others[k]), static_cast<uint8_t>(d)});
                }
            }
        }
        if (!eliminations.empty()) {
            const TextSource& source = *grid.texts;
            return MakeStep(
                source, Technique::UniqueRectangle, InfoOf(Technique::UniqueRectangle).weight,
                Sentence(source, texts::kRectangleSubset,
                         {where, pairText, CellsText(roof, source), DigitsText(extra, source),
                          CellsText(members, source), UnitName(unit, source),
                          DigitsText(digits, source), EliminationText(eliminations, source)}),
                {}, eliminations, {unit, 0});
        }
    }
    return std::nullopt;
}

std::optional<Step> rectangleStep(const HintGrid& grid, const std::array<int, 4>& cells,
                                  uint16_t pair) {
    std::vector<int> exact;
    std::vector<int> more;
    for (const int c : cells) {
        (grid.masks[c] == pair ? exact : more).push_back(c);
    }
    const TextSource& source = *grid.texts;
    const std::string where =
        Sentence(source, texts::kRectangle,
                 {std::to_string(RowOf(cells[0])), std::to_string(RowOf(cells[3])),
                  std::to_string(ColumnOf(cells[0])), std::to_string(ColumnOf(cells[3]))});
    const std::string digits = DigitsText(pair, source);
    std::vector<CellDigit> eliminations;
    if (exact.size() == 3) {
        for (int d = 1; d <= 9; ++d) {
            if ((pair & Bit(d)) != 0) {
                eliminations.push_back({static_cast<uint8_t>(more[0]), static_cast<uint8_t>(d)});
            }
        }
        return MakeStep(
            source, Technique::UniqueRectangle, InfoOf(Technique::UniqueRectangle).weight,
            Sentence(
                source, texts::kRectangleOneCell,
                {where, digits, CellName(more[0], source), EliminationText(eliminations, source)}),
            {}, eliminations, {RowOf(cells[0]) - 1, 0});
    }
    if (exact.size() != 2) {
        return std::nullopt;
    }
    const int weight = InfoOf(Technique::UniqueRectangle).weight;
    const uint16_t extra =
        static_cast<uint16_t>((grid.masks[more[0]] | grid.masks[more[1]]) & ~pair);
    if (grid.masks[more[0]] == grid.masks[more[1]] && CountOf(extra) == 1) {
        // Type 2: the one extra digit is in one of the two cells.
        const int z = LowestOf(extra);
        for (int c = 1; c <= kCellCount; ++c) {
            if (grid.Has(c, z) && Sees(c, more[0]) && Sees(c, more[1])) {
                eliminations.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(z)});
            }
        }
        if (!eliminations.empty()) {
            return MakeStep(
                source, Technique::UniqueRectangle, weight,
                Sentence(source, texts::kRectangleExtraDigit,
                         {where, digits, std::to_string(z), CellName(more[0], source),
                          CellName(more[1], source), EliminationText(eliminations, source)}),
                {}, eliminations, {RowOf(cells[0]) - 1, 0});
        }
    }
    for (const int u : sharedUnits(more[0], more[1])) {
        // Type 4: one of the pair has no other place in a unit of the two cells, so the other
        // of the pair cannot be in either.
        for (int d = 1; d <= 9; ++d) {
            if ((pair & Bit(d)) == 0 || CountOf(grid.Positions(u, d)) != 2) {
                continue;
            }
            const int other = LowestOf(static_cast<uint16_t>(pair & ~Bit(d)));
            const std::vector<CellDigit> removed = {
                {static_cast<uint8_t>(more[0]), static_cast<uint8_t>(other)},
                {static_cast<uint8_t>(more[1]), static_cast<uint8_t>(other)}};
            return MakeStep(source, Technique::UniqueRectangle, weight,
                            Sentence(source, texts::kRectangleLocked,
                                     {where, digits, CellsText(more, source), std::to_string(other),
                                      std::to_string(d), UnitName(u, source),
                                      EliminationText(removed, source)}),
                            {}, removed, {RowOf(cells[0]) - 1, 0});
        }
        // Type 3: the two cells' other digits with cells of the unit make a naked subset.
        if (auto step = nakedSubsetWithRoof(grid, u, more, extra, where, digits)) {
            return step;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FindUniqueRectangle(const HintGrid& grid) {
    std::optional<Step> best;
    for (int r1 = 1; r1 <= 9; ++r1) {
        for (int r2 = r1 + 1; r2 <= 9; ++r2) {
            for (int c1 = 1; c1 <= 9; ++c1) {
                for (int c2 = c1 + 1; c2 <= 9; ++c2) {
                    if (!spansTwoBoxes(r1, r2, c1, c2)) {
                        continue;
                    }
                    const std::array<int, 4> cells = {CellIndex(r1, c1), CellIndex(r1, c2),
                                                      CellIndex(r2, c1), CellIndex(r2, c2)};
                    uint16_t common = kAllDigits;
                    for (const int c : cells) {
                        common &= grid.masks[c];
                    }
                    for (int a = 1; a <= 9; ++a) {
                        for (int b = a + 1; b <= 9; ++b) {
                            const uint16_t pair = static_cast<uint16_t>(Bit(a) | Bit(b));
                            if ((common & pair) != pair) {
                                continue;
                            }
                            auto step = rectangleStep(grid, cells, pair);
                            if (step) {
                                step->cells.assign(cells.begin(), cells.end());
                            }
                            if (step && (!best || step->weight < best->weight)) {
                                best = std::move(step);
                            }
                        }
                    }
                }
            }
        }
    }
    return best;
}

std::optional<Step> FindBugPlusOne(const HintGrid& grid) {
    int odd = -1;
    for (int c = 1; c <= kCellCount; ++c) {
        const int n = CountOf(grid.masks[c]);
        if (grid.digits[c] != 0) {
            continue;
        }
        if (n == 3 && odd < 0) {
            odd = c;
        } else if (n != 2) {
            return std::nullopt;
        }
    }
    if (odd < 0) {
        return std::nullopt;
    }
    // Without the one extra digit every candidate would have exactly two places in each of
    // its units: a pattern with two solutions or none, so the extra digit is the cell's.
    for (int d = 1; d <= 9; ++d) {
        if (!grid.Has(odd, d)) {
            continue;
        }
        HintGrid without = grid;
        without.Eliminate(odd, d);
        bool deadly = true;
        for (int u = 0; u < 27 && deadly; ++u) {
            for (int e = 1; e <= 9 && deadly; ++e) {
                const int places = CountOf(without.Positions(u, e));
                deadly = places == 0 || places == 2;
            }
        }
        if (deadly) {
            const TextSource& source = *grid.texts;
            Step step = MakeStep(
                source, Technique::BugPlusOne, InfoOf(Technique::BugPlusOne).weight,
                Sentence(source, texts::kBugPlusOne, {std::to_string(d), CellName(odd, source)}),
                {{static_cast<uint8_t>(odd), static_cast<uint8_t>(d)}}, {});
            step.cells = {odd};
            return step;
        }
    }
    return std::nullopt;
}

}  // namespace ninefold::steps
