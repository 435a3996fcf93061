// Full house, hidden single and naked single.
#include "engine/steps/single_steps.h"

#include "engine/steps/step_text.h"

namespace ninefold::steps {

namespace {

// Digits with exactly one place left in the unit, and the digits placed there.
uint16_t loneDigits(const HintGrid& grid, int unit, uint16_t& placed) {
    uint16_t once = 0;
    uint16_t twice = 0;
    placed = 0;
    for (const uint8_t c : kUnits[unit]) {
        placed |= Bit(grid.digits[c]);
        twice |= once & grid.masks[c];
        once |= grid.masks[c];
    }
    return static_cast<uint16_t>(once & ~twice);
}

std::optional<HiddenSingle> firstHiddenSingle(const HintGrid& grid, int firstUnit, int lastUnit) {
    for (int u = firstUnit; u <= lastUnit; ++u) {
        uint16_t placed = 0;
        const uint16_t lone = loneDigits(grid, u, placed);
        if (lone == 0) {
            continue;
        }
        const int digit = LowestOf(lone);
        for (const uint8_t c : kUnits[u]) {
            if (grid.Has(c, digit)) {
                return HiddenSingle{{c, static_cast<uint8_t>(digit)}, u};
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FindFullHouse(const HintGrid& grid) {
    for (int u = 0; u < 27; ++u) {
        int empty = -1;
        int emptyCount = 0;
        uint16_t placed = 0;
        for (const uint8_t c : kUnits[u]) {
            placed |= Bit(grid.digits[c]);
            if (grid.digits[c] == 0) {
                empty = c;
                ++emptyCount;
            }
        }
        const uint16_t missing = static_cast<uint16_t>(kAllDigits & ~placed);
        if (emptyCount != 1 || CountOf(missing) != 1 || (grid.masks[empty] & missing) == 0) {
            continue;
        }
        const int digit = LowestOf(missing);
        const TextSource& source = *grid.texts;
        Step step = MakeStep(
            source, Technique::FullHouse, InfoOf(Technique::FullHouse).weight,
            Sentence(source, texts::kFullHouse,
                     {CellName(empty, source), UnitName(u, source), std::to_string(digit)}),
            {{static_cast<uint8_t>(empty), static_cast<uint8_t>(digit)}}, {}, {u});
        step.cells = {empty};
        return step;
    }
    return std::nullopt;
}

std::optional<Step> FindHiddenSingle(const HintGrid& grid, bool inBoxes) {
    const std::optional<HiddenSingle> single =
        inBoxes ? firstHiddenSingle(grid, 18, 26) : firstHiddenSingle(grid, 0, 17);
    if (!single) {
        return std::nullopt;
    }
    const Technique t = inBoxes ? Technique::HiddenSingleBox : Technique::HiddenSingleLine;
    Step step = MakeStep(*grid.texts, t, InfoOf(t).weight, SingleText(*single, *grid.texts),
                         {single->placement}, {}, {single->unit});
    step.cells = {single->placement.cell};
    return step;
}

std::optional<Step> FindNakedSingle(const HintGrid& grid) {
    for (int c = 1; c <= kCellCount; ++c) {
        if (grid.digits[c] == 0 && CountOf(grid.masks[c]) == 1) {
            const int digit = LowestOf(grid.masks[c]);
            const TextSource& source = *grid.texts;
            Step step = MakeStep(
                source, Technique::NakedSingle, InfoOf(Technique::NakedSingle).weight,
                Sentence(source, texts::kNakedSingle, {CellName(c, source), std::to_string(digit)}),
                {{static_cast<uint8_t>(c), static_cast<uint8_t>(digit)}}, {});
            step.cells = {c};
            return step;
        }
    }
    return std::nullopt;
}

std::string SingleText(const HiddenSingle& single, const TextSource& source) {
    return Sentence(source, texts::kHiddenSingle,
                    {std::to_string(single.placement.digit),
                     CellName(single.placement.cell, source), UnitName(single.unit, source)});
}

std::optional<HiddenSingle> SingleCreatedIn(const HintGrid& before, const HintGrid& after,
                                            std::initializer_list<int> units, uint16_t digits) {
    for (const int u : units) {
        for (int d = 1; d <= 9; ++d) {
            if ((digits & Bit(d)) == 0) {
                continue;
            }
            const uint16_t places = after.Positions(u, d);
            if (CountOf(places) == 1 && CountOf(before.Positions(u, d)) >= 2) {
                return HiddenSingle{{kUnits[u][LowestOf(places)], static_cast<uint8_t>(d)}, u};
            }
        }
    }
    return std::nullopt;
}

}  // namespace ninefold::steps
