// Subsets: n cells of a unit holding only n digits between them (naked), or n digits of a
// unit confined to n cells (hidden).
#include "engine/steps/subset_steps.h"

#include "engine/steps/single_steps.h"
#include "engine/steps/step_text.h"

namespace ninefold::steps {

namespace {

constexpr Technique kNaked[] = {Technique::NakedPair, Technique::NakedTriple, Technique::NakedQuad};
constexpr Technique kHidden[] = {Technique::HiddenPair, Technique::HiddenTriple,
                                 Technique::HiddenQuad};

// Calls found(chosen, union) for every choice of `size` of the usable items (bit k of
// `usable` for item k) whose masks together have exactly `size` bits; stops when found says so.
template <typename Found>
bool forEachSubset(const std::array<uint16_t, 10>& items, uint16_t usable, int size, Found& found,
                   int next = 0, int left = -1, uint16_t chosen = 0, uint16_t all = 0) {
    left = left < 0 ? size : left;
    if (CountOf(all) > size) {
        return false;
    }
    if (left == 0) {
        return CountOf(all) == size && found(chosen, all);
    }
    for (int k = next; k < 10; ++k) {
        if ((usable & Bit(k)) != 0 && forEachSubset(items, usable, size, found, k + 1, left - 1,
                                                    static_cast<uint16_t>(chosen | Bit(k)),
                                                    static_cast<uint16_t>(all | items[k]))) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<Step> FindNakedSubset(const HintGrid& grid, int size) {
    std::optional<Step> step;
    for (int u = 0; u < 27 && !step; ++u) {
        const auto& cells = kUnits[u];
        std::array<uint16_t, 10> items{};
        uint16_t usable = 0;
        for (int k = 0; k < 9; ++k) {
            items[k] = grid.masks[cells[k]];
            if (grid.digits[cells[k]] == 0 && CountOf(items[k]) >= 2 && CountOf(items[k]) <= size) {
                usable |= Bit(k);
            }
        }
        auto found = [&](uint16_t chosen, uint16_t digits) {
            std::vector<CellDigit> eliminations;
            std::vector<int> members;
            for (int k = 0; k < 9; ++k) {
                if ((chosen & Bit(k)) != 0) {
                    members.push_back(cells[k]);
                    continue;
                }
                for (int d = 1; d <= 9; ++d) {
                    if ((digits & Bit(d)) != 0 && grid.Has(cells[k], d)) {
                        eliminations.push_back({cells[k], static_cast<uint8_t>(d)});
                    }
                }
            }
            if (eliminations.empty()) {
                return false;
            }
            const Technique t = kNaked[size - 2];
            const TextSource& source = *grid.texts;
            step = MakeStep(
                source, t, InfoOf(t).weight,
                Sentence(source, texts::kNakedSubset,
                         {UnitName(u, source), PlacesText(u, members, source),
                          DigitsText(digits, source), EliminationText(eliminations, source)}),
                {}, eliminations, {u});
            step->cells = members;
            return true;
        };
        forEachSubset(items, usable, size, found);
    }
    return step;
}

std::optional<Step> FindHiddenSubset(const HintGrid& grid, int size) {
    std::optional<Step> plain;
    std::optional<Step> direct;
    for (int u = 0; u < 27 && !direct; ++u) {
        const auto& cells = kUnits[u];
        std::array<uint16_t, 10> items{};
        uint16_t usable = 0;
        int emptyCells = 0;
        for (const uint8_t c : cells) {
            emptyCells += grid.digits[c] == 0 ? 1 : 0;
        }
        for (int d = 1; d <= 9; ++d) {
            items[d] = grid.Positions(u, d);
            if (CountOf(items[d]) >= 2 && CountOf(items[d]) <= size) {
                usable |= Bit(d);
            }
        }
        auto found = [&](uint16_t digits, uint16_t positions) {
            std::vector<CellDigit> eliminations;
            std::vector<int> members;
            for (int k = 0; k < 9; ++k) {
                if ((positions & Bit(k)) == 0) {
                    continue;
                }
                members.push_back(cells[k]);
                const uint16_t others = static_cast<uint16_t>(grid.masks[cells[k]] & ~digits);
                for (int d = 1; d <= 9; ++d) {
                    if ((others & Bit(d)) != 0) {
                        eliminations.push_back({cells[k], static_cast<uint8_t>(d)});
                    }
                }
            }
            if (eliminations.empty()) {
                return false;
            }
            const TextSource& source = *grid.texts;
            const std::string unit = UnitName(u, source);
            const std::string digitList = DigitsText(digits, source);
            const std::string places = PlacesText(u, members, source);
            if (size <= 3 && emptyCells > size) {
                HintGrid after = grid;
                for (const CellDigit& e : eliminations) {
                    after.Eliminate(e.cell, e.digit);
                }
                const auto others = static_cast<uint16_t>(kAllDigits & ~digits);
                if (const auto single = SingleCreatedIn(grid, after, {u}, others)) {
                    // A direct step keeps only its placement.
                    const Technique t =
                        size == 2 ? Technique::DirectHiddenPair : Technique::DirectHiddenTriple;
                    direct = MakeStep(
                        source, t, InfoOf(t).weight,
                        Sentence(source, texts::kDirectHiddenSubset,
                                 {unit, digitList, places, std::to_string(single->placement.digit),
                                  CellName(single->placement.cell, source)}),
                        {single->placement}, {}, {u});
                    direct->cells = members;
                    return true;
                }
            }
            if (!plain) {
                const Technique t = kHidden[size - 2];
                plain = MakeStep(
                    source, t, InfoOf(t).weight,
                    Sentence(source, texts::kHiddenSubset,
                             {unit, digitList, places, EliminationText(eliminations, source)}),
                    {}, eliminations, {u});
                plain->cells = members;
            }
            return false;
        };
        forEachSubset(items, usable, size, found);
    }
    return direct ? direct : plain;
}

}  // namespace ninefold::steps
