// XY-wing and XYZ-wing.
#include "engine/steps/wing_steps.h"

#include "engine/steps/step_text.h"

namespace ninefold::steps {

namespace {

std::string withCandidates(const HintGrid& grid, int cell) {
    const TextSource& source = *grid.texts;
    return Sentence(source, texts::kCellWithCandidates,
                    {CellName(cell, source), DigitsText(grid.masks[cell], source)});
}

// Finds pincers A, B of the pivot: both two-candidate peers, A ∪ B ∪ pivot being three
// digits with z shared by A and B only (XY) or by all three (XYZ).
std::optional<Step> findWing(const HintGrid& grid, bool xyz) {
    for (int pivot = 1; pivot <= kCellCount; ++pivot) {
        const uint16_t pm = grid.masks[pivot];
        if (CountOf(pm) != (xyz ? 3 : 2)) {
            continue;
        }
        for (int i = 0; i < 20; ++i) {
            const int a = kPeers[pivot][i];
            const uint16_t am = grid.masks[a];
            if (CountOf(am) != 2 || CountOf(am & pm) != (xyz ? 2 : 1)) {
                continue;
            }
            for (int j = i + 1; j < 20; ++j) {
                const int b = kPeers[pivot][j];
                const uint16_t bm = grid.masks[b];
                if (CountOf(bm) != 2 || bm == am || CountOf(am | bm | pm) != 3 ||
                    CountOf(bm & pm) != (xyz ? 2 : 1)) {
                    continue;
                }
                const uint16_t shared = static_cast<uint16_t>(am & bm & (xyz ? pm : ~pm));
                if (CountOf(shared) != 1) {
                    continue;
                }
                const int z = LowestOf(shared);
                std::vector<CellDigit> eliminations;
                for (int c = 1; c <= kCellCount; ++c) {
                    if (c != pivot && grid.Has(c, z) && Sees(c, a) && Sees(c, b) &&
                        (!xyz || Sees(c, pivot))) {
                        eliminations.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(z)});
                    }
                }
                if (eliminations.empty()) {
                    continue;
                }
                const Technique tech = xyz ? Technique::XYZWing : Technique::XYWing;
                const TextSource& source = *grid.texts;
                Step step = MakeStep(source, tech, InfoOf(tech).weight,
                                     Sentence(source, xyz ? texts::kXYZWing : texts::kXYWing,
                                              {withCandidates(grid, pivot), withCandidates(grid, a),
                                               withCandidates(grid, b), std::to_string(z),
                                               EliminationText(eliminations, source)}),
                                     {}, eliminations, {17 + BoxOf(pivot), 0});
                step.cells = {pivot, a, b};
                return step;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FindXYWing(const HintGrid& grid) {
    return findWing(grid, false);
}

std::optional<Step> FindXYZWing(const HintGrid& grid) {
    return findWing(grid, true);
}

}  // namespace ninefold::steps
