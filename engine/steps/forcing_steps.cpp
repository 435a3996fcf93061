// Forcing chains and trials over assumption branches, each branch followed at most once.
#include "engine/steps/forcing_steps.h"

#include <algorithm>
#include <memory>

#include "engine/steps/assumption_branch.h"
#include "engine/steps/step_text.h"

namespace ninefold::steps {

namespace {

class BranchCache {
  public:
    explicit BranchCache(const HintGrid& grid) : grid_(grid) {}
    const AssumptionBranch& Get(int cell, int digit) {
        auto& slot = branches_[cell * 10 + digit];
        if (!slot) {
            slot = std::make_unique<AssumptionBranch>(FollowAssumption(grid_, cell, digit));
        }
        return *slot;
    }

  private:
    const HintGrid& grid_;
    std::array<std::unique_ptr<AssumptionBranch>, (kCellCount + 1) * 10> branches_;
};

struct Conclusion {
    int length = 1000;
    std::vector<CellDigit> place;
    std::vector<CellDigit> eliminate;
};

// Everything every one of the branches (cell, digit) forces alike, its length that of the
// shortest conclusion. None when some branch contradicts: that is a trial's business.
Conclusion commonConclusion(const HintGrid& grid, BranchCache& cache,
                            const std::vector<CellDigit>& sources) {
    std::vector<const AssumptionBranch*> branches;
    for (const CellDigit& s : sources) {
        branches.push_back(&cache.Get(s.cell, s.digit));
        if (branches.back()->contradiction) {
            return {};
        }
    }
    Conclusion all;
    auto offer = [&all](int length, CellDigit cd, bool placement) {
        all.length = std::min(all.length, length);
        (placement ? all.place : all.eliminate).push_back(cd);
    };
    for (int c = 1; c <= kCellCount; ++c) {
        if (grid.digits[c] != 0) {
            continue;
        }
        uint16_t anyBranch = 0;
        for (const AssumptionBranch* b : branches) {
            anyBranch |= b->Outcome(c);
        }
        const uint16_t gone = static_cast<uint16_t>(grid.masks[c] & ~anyBranch);
        for (int d = 1; d <= 9; ++d) {
            if ((gone & Bit(d)) == 0) {
                continue;
            }
            int length = 0;
            for (const AssumptionBranch* b : branches) {
                length = std::max<int>(length, b->removedAt[c * 10 + d]);
            }
            offer(length, {static_cast<uint8_t>(c), static_cast<uint8_t>(d)}, false);
        }
        if (CountOf(anyBranch) == 1 && gone != 0) {
            // Every candidate but one gone: the remaining digit is placed, as late as the
            // latest of those removals.
            int length = 0;
            for (const AssumptionBranch* b : branches) {
                for (int d = 1; d <= 9; ++d) {
                    if ((gone & Bit(d)) != 0) {
                        length = std::max<int>(length, b->removedAt[c * 10 + d]);
                    }
                }
            }
            offer(length, {static_cast<uint8_t>(c), static_cast<uint8_t>(LowestOf(anyBranch))},
                  true);
        }
    }
    // A placement says the removals it implies itself: its cell's other digits, and its digit
    // in the cells it sees.
    std::erase_if(all.eliminate, [&all](const CellDigit& e) {
        return std::any_of(all.place.begin(), all.place.end(), [&e](const CellDigit& p) {
            return p.cell == e.cell || (p.digit == e.digit && Sees(p.cell, e.cell));
        });
    });
    return all;
}

// The start of the chain (`start`) and where all its branches lead, told in `source`'s language.
std::string conclusionText(const std::string& start, const Conclusion& c,
                           const TextSource& source) {
    if (!c.place.empty()) {
        std::string leads;
        std::string takes;
        for (const CellDigit& p : c.place) {
            const std::string digit = std::to_string(p.digit);
            const std::string cell = CellName(p.cell, source);
            const std::string lead = Sentence(source, texts::kDigitInCell, {digit, cell});
            const std::string take = Sentence(source, texts::kCellTakes, {cell, digit});
            leads = leads.empty() ? lead : Sentence(source, texts::kListLast, {leads, lead});
            takes = takes.empty() ? take : Sentence(source, texts::kListLast, {takes, take});
        }
        if (c.eliminate.empty()) {
            return Sentence(source, texts::kForcingPlaces, {start, leads, takes});
        }
        return Sentence(source, texts::kForcingPlacesAndRemovals,
                        {start, leads, takes, EliminationText(c.eliminate, source)});
    }
    return Sentence(source, texts::kForcingRemovals, {start, EliminationText(c.eliminate, source)});
}

std::optional<Step> forcingChain(const HintGrid& grid, BranchCache& cache) {
    const TextSource& source = *grid.texts;
    Conclusion best;
    std::string start;
    std::vector<int> sourceCells;
    auto consider = [&](const std::vector<CellDigit>& sources, const std::string& what) {
        Conclusion c = commonConclusion(grid, cache, sources);
        if (c.length < best.length) {
            best = std::move(c);
            start = what;
            sourceCells.clear();
            for (const CellDigit& s : sources) {
                if (std::find(sourceCells.begin(), sourceCells.end(), s.cell) ==
                    sourceCells.end()) {
                    sourceCells.push_back(s.cell);
                }
            }
        }
    };
    for (int c = 1; c <= kCellCount; ++c) {
        const int n = CountOf(grid.masks[c]);
        if (n < 2 || n > 3) {
            continue;
        }
        std::vector<CellDigit> sources;
        for (int d = 1; d <= 9; ++d) {
            if (grid.Has(c, d)) {
                sources.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(d)});
            }
        }
        consider(sources, Sentence(source, texts::kEachDigitOf,
                                   {CellName(c, source), DigitsText(grid.masks[c], source,
                                                                    texts::kListLastAlternative)}));
    }
    for (int u = 0; u < 27; ++u) {
        for (int d = 1; d <= 9; ++d) {
            const uint16_t places = grid.Positions(u, d);
            if (CountOf(places) < 2 || CountOf(places) > 3) {
                continue;
            }
            std::vector<CellDigit> sources;
            std::vector<int> cells;
            for (int k = 0; k < 9; ++k) {
                if ((places & Bit(k)) != 0) {
                    sources.push_back({kUnits[u][k], static_cast<uint8_t>(d)});
                    cells.push_back(kUnits[u][k]);
                }
            }
            consider(sources,
                     Sentence(source, texts::kEachPlaceOf,
                              {std::to_string(d), UnitName(u, source), CellsText(cells, source)}));
        }
    }
    if (best.length >= 1000) {
        return std::nullopt;
    }
    Step step =
        MakeStep(source, Technique::ForcingChain, ChainWeight(Technique::ForcingChain, best.length),
                 conclusionText(start, best, source), best.place, best.eliminate);
    step.cells = std::move(sourceCells);
    return step;
}

std::optional<Step> trial(const HintGrid& grid, BranchCache& cache) {
    int bestLength = 1000;
    CellDigit best{};
    for (int c = 1; c <= kCellCount; ++c) {
        for (int d = 1; d <= 9; ++d) {
            if (!grid.Has(c, d)) {
                continue;
            }
            const AssumptionBranch& b = cache.Get(c, d);
            if (b.contradiction && b.placements < bestLength) {
                bestLength = b.placements;
                best = {static_cast<uint8_t>(c), static_cast<uint8_t>(d)};
            }
        }
    }
    if (bestLength >= 1000) {
        return std::nullopt;
    }
    const TextSource& source = *grid.texts;
    Step step = MakeStep(source, Technique::Trial, ChainWeight(Technique::Trial, bestLength),
                         CountedSentence(source, texts::kTrial, bestLength,
                                         {std::to_string(best.digit), CellName(best.cell, source)}),
                         {}, {best});
    step.cells = {best.cell};
    return step;
}

}  // namespace

std::optional<Step> FindForcingChainOrTrial(const HintGrid& grid) {
    BranchCache cache(grid);
    if (auto step = forcingChain(grid, cache)) {
        return step;
    }
    return trial(grid, cache);
}

std::optional<Step> FindTrialBySearch(const HintGrid& grid, const DigitGrid& solution) {
    int bestCell = -1;
    for (int c = 1; c <= kCellCount; ++c) {
        const int n = CountOf(grid.masks[c]);
        if (n >= 2 && (bestCell < 0 || n < CountOf(grid.masks[bestCell]))) {
            bestCell = c;
        }
    }
    if (bestCell < 0) {
        return std::nullopt;
    }
    const uint16_t wrong = static_cast<uint16_t>(grid.masks[bestCell] & ~Bit(solution[bestCell]));
    const CellDigit e{static_cast<uint8_t>(bestCell), static_cast<uint8_t>(LowestOf(wrong))};
    const TextSource& source = *grid.texts;
    Step step = MakeStep(source, Technique::TrialBySearch, InfoOf(Technique::TrialBySearch).weight,
                         Sentence(source, texts::kTrialBySearch,
                                  {CellName(e.cell, source), std::to_string(e.digit)}),
                         {}, {e});
    step.cells = {e.cell};
    return step;
}

}  // namespace ninefold::steps
