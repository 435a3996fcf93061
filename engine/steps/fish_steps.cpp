// X-wing, swordfish and jellyfish, with rows or columns as the base lines.
#include "engine/steps/fish_steps.h"

#include "engine/steps/step_text.h"

namespace ninefold::steps {

namespace {

constexpr Technique kFish[] = {Technique::XWing, Technique::Swordfish, Technique::Jellyfish};

// "rows 1, 4 and 7": the lines of a mask (bit k for line k + 1).
std::string linesText(const TextSource& source, const TextTemplate& kind, uint16_t lines) {
    uint16_t numbers = 0;
    for (int k = 0; k < 9; ++k) {
        if ((lines & Bit(k)) != 0) {
            numbers |= Bit(k + 1);
        }
    }
    return CountedSentence(source, kind, CountOf(lines), {DigitsText(numbers, source)});
}

struct FishSearch {
    const HintGrid& grid;
    int size;
    int digit;
    int baseFirst;                    // 0 for rows as base lines, 9 for columns
    std::array<uint16_t, 9> cover{};  // for each base line, the cross lines holding the digit
    std::optional<Step> step;

    bool pick(int next, int left, uint16_t bases, uint16_t covers) {
        if (CountOf(covers) > size) {
            return false;
        }
        if (left == 0) {
            return covers != 0 && CountOf(covers) == size && finish(bases, covers);
        }
        for (int b = next; b < 9; ++b) {
            const int n = CountOf(cover[b]);
            if (n >= 2 && n <= size && pick(b + 1, left - 1, bases | Bit(b), covers | cover[b])) {
                return true;
            }
        }
        return false;
    }

    bool finish(uint16_t bases, uint16_t covers) {
        const int crossFirst = 9 - baseFirst;
        std::vector<CellDigit> eliminations;
        for (int x = 0; x < 9; ++x) {
            if ((covers & Bit(x)) == 0) {
                continue;
            }
            const auto& cells = kUnits[crossFirst + x];
            for (int k = 0; k < 9; ++k) {
                if ((bases & Bit(k)) == 0 && grid.Has(cells[k], digit)) {
                    eliminations.push_back({cells[k], static_cast<uint8_t>(digit)});
                }
            }
        }
        if (eliminations.empty()) {
            return false;
        }
        const TextTemplate& baseKind = baseFirst == 0 ? texts::kRows : texts::kColumns;
        const TextTemplate& crossKind = baseFirst == 0 ? texts::kColumns : texts::kRows;
        const Technique t = kFish[size - 2];
        const TextSource& source = *grid.texts;
        step = MakeStep(
            source, t, InfoOf(t).weight,
            Sentence(source, texts::kFish,
                     {std::to_string(digit), linesText(source, baseKind, bases),
                      linesText(source, crossKind, covers), EliminationText(eliminations, source)}),
            {}, eliminations, {-1, digit});
        for (int b = 0; b < 9; ++b) {
            if ((bases & Bit(b)) == 0) {
                continue;
            }
            for (const uint8_t c : kUnits[baseFirst + b]) {
                if (grid.Has(c, digit)) {
                    step->cells.push_back(c);
                }
            }
        }
        return true;
    }
};

}  // namespace

std::optional<Step> FindFish(const HintGrid& grid, int size) {
    for (int d = 1; d <= 9; ++d) {
        for (const int baseFirst : {0, 9}) {
            FishSearch search{grid, size, d, baseFirst, {}, std::nullopt};
            for (int b = 0; b < 9; ++b) {
                search.cover[b] = grid.Positions(baseFirst + b, d);
            }
            if (search.pick(0, size, 0, 0)) {
                return search.step;
            }
        }
    }
    return std::nullopt;
}

}  // namespace ninefold::steps
