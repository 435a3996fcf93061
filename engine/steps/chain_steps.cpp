// X-chains and XY-chains, found by breadth-first search so the first conclusion met from a
// start is the shortest chain from it. Every link is an implication, so any chain found is
// sound whatever cells it passes through.
#include "engine/steps/chain_steps.h"

#include <array>

#include "engine/cell_set.h"
#include "engine/steps/step_text.h"

namespace ninefold::steps {

namespace {

constexpr int kLongestChain = 16;

CellSet candidateSet(const HintGrid& grid, int digit) {
    CellSet set;
    for (int c = 1; c <= kCellCount; ++c) {
        if (grid.Has(c, digit)) {
            set.Add(c);
        }
    }
    return set;
}

std::vector<CellDigit> eliminationsOf(const CellSet& cells, int digit) {
    std::vector<CellDigit> eliminations;
    CellSet rest = cells;
    while (!rest.Empty()) {
        eliminations.push_back({static_cast<uint8_t>(rest.Take()), static_cast<uint8_t>(digit)});
    }
    return eliminations;
}

struct Chain {
    int digit = 0;
    std::vector<int> cells;  // start first
    CellSet targets;
    int links() const { return static_cast<int>(cells.size()) - 1; }
};

// Shortest X-chain for one digit from one start, no longer than `longest` links.
void searchXChain(const std::array<CellSet, kCellCount + 1>& strong, const CellSet& candidates,
                  int digit, int start, int longest, std::optional<Chain>& best) {
    std::array<int8_t, kCellCount + 1> parentOff{};  // reached by a weak link: "not the digit"
    std::array<int8_t, kCellCount + 1> parentOn{};   // reached by a strong link: "the digit"
    parentOff.fill(-1);
    parentOn.fill(-1);
    CellSet reachedOff;
    CellSet reachedOn;
    reachedOff.Add(start);
    CellSet frontier = reachedOff;
    for (int length = 1; length <= longest && !frontier.Empty(); length += 2) {
        CellSet on;
        for (CellSet f = frontier; !f.Empty();) {
            const int c = f.Take();
            CellSet fresh = strong[c].Without(reachedOn);
            reachedOn = reachedOn | fresh;
            on = on | fresh;
            while (!fresh.Empty()) {
                parentOn[fresh.Take()] = static_cast<int8_t>(c);
            }
        }
        for (CellSet o = on; length >= 3 && !o.Empty();) {
            const int end = o.Take();
            const CellSet targets = candidates & kPeerSets[start] & kPeerSets[end];
            if (end == start || targets.Empty()) {
                continue;
            }
            Chain chain{digit, {}, targets};
            for (int c = end, onSide = 1; c >= 0; onSide ^= 1) {
                chain.cells.insert(chain.cells.begin(), c);
                c = onSide != 0 ? parentOn[c] : parentOff[c];
            }
            best = chain;
            return;
        }
        frontier = CellSet{};
        for (CellSet o = on; !o.Empty();) {
            const int c = o.Take();
            CellSet fresh = (kPeerSets[c] & candidates).Without(reachedOff);
            reachedOff = reachedOff | fresh;
            frontier = frontier | fresh;
            while (!fresh.Empty()) {
                parentOff[fresh.Take()] = static_cast<int8_t>(c);
            }
        }
    }
}

// Cells joined by " = " where they are the digit's only two places in a unit and by " - "
// where they see each other.
std::string chainText(const Chain& chain, const char* strongLink, const TextSource& source) {
    std::string text;
    for (std::size_t i = 0; i < chain.cells.size(); ++i) {
        if (i > 0) {
            text += i % 2 == 1 ? strongLink : " - ";
        }
        text += CellName(chain.cells[i], source);
    }
    return text;
}

}  // namespace

std::optional<Step> FindXChain(const HintGrid& grid) {
    std::optional<Chain> best;
    for (int d = 1; d <= 9; ++d) {
        const CellSet candidates = candidateSet(grid, d);
        std::array<CellSet, kCellCount + 1> strong{};
        for (int u = 0; u < 27; ++u) {
            const uint16_t places = grid.Positions(u, d);
            if (CountOf(places) == 2) {
                const int a = kUnits[u][LowestOf(places)];
                const int b = kUnits[u][15 - std::countl_zero(places)];
                strong[a].Add(b);
                strong[b].Add(a);
            }
        }
        for (CellSet starts = candidates; !starts.Empty();) {
            const int s = starts.Take();
            if (strong[s].Empty()) {
                continue;
            }
            std::optional<Chain> found;
            searchXChain(strong, candidates, d, s, best ? best->links() - 2 : kLongestChain, found);
            if (found) {
                best = found;
            }
        }
    }
    if (!best) {
        return std::nullopt;
    }
    const auto eliminations = eliminationsOf(best->targets, best->digit);
    const TextSource& source = *grid.texts;
    Step step =
        MakeStep(source, Technique::XChain, ChainWeight(Technique::XChain, best->links()),
                 Sentence(source, texts::kChain,
                          {CellName(best->cells.front(), source),
                           CellName(best->cells.back(), source), std::to_string(best->digit),
                           chainText(*best, " = ", source), EliminationText(eliminations, source)}),
                 {}, eliminations, {-1, best->digit});
    step.cells = best->cells;
    return step;
}

namespace {

// Shortest XY-chain from s on the assumption that s does not hold x: every link passes from a
// cell holding v to a peer of two candidates that then cannot hold v.
void searchXYChain(const HintGrid& grid, const std::array<CellSet, 10>& twoWith, int s, int x,
                   int longest, std::optional<Chain>& best) {
    // States are cell * 10 + the digit the cell would hold.
    std::array<int16_t, (kCellCount + 1) * 10> parent{};
    parent.fill(-2);
    const int first = s * 10 + LowestOf(grid.masks[s] & ~Bit(x));
    parent[first] = -1;
    const CellSet candidates = candidateSet(grid, x);
    std::vector<int> layer{first};
    for (int cells = 2; cells <= longest && !layer.empty(); ++cells) {
        std::vector<int> next;
        for (const int state : layer) {
            const int v = state % 10;
            for (CellSet n = twoWith[v] & kPeerSets[state / 10]; !n.Empty();) {
                const int cell = n.Take();
                const int to = cell * 10 + LowestOf(grid.masks[cell] & ~Bit(v));
                if (parent[to] != -2) {
                    continue;
                }
                parent[to] = static_cast<int16_t>(state);
                next.push_back(to);
                const CellSet targets = candidates & kPeerSets[s] & kPeerSets[cell];
                if (to % 10 != x || cell == s || cells < 3 || targets.Empty()) {
                    continue;
                }
                Chain chain{x, {}, targets};
                for (int at = to; at >= 0; at = parent[at]) {
                    chain.cells.insert(chain.cells.begin(), at / 10);
                }
                best = chain;
                return;
            }
        }
        layer = std::move(next);
    }
}

}  // namespace

std::optional<Step> FindXYChain(const HintGrid& grid) {
    std::array<CellSet, 10> twoWith{};  // cells of two candidates, by the digits they hold
    for (int c = 1; c <= kCellCount; ++c) {
        if (CountOf(grid.masks[c]) == 2) {
            for (int d = 1; d <= 9; ++d) {
                if (grid.Has(c, d)) {
                    twoWith[d].Add(c);
                }
            }
        }
    }
    std::optional<Chain> best;
    for (int s = 1; s <= kCellCount; ++s) {
        for (int x = 1; x <= 9; ++x) {
            if (CountOf(grid.masks[s]) != 2 || !grid.Has(s, x)) {
                continue;
            }
            std::optional<Chain> found;
            const int longest = best ? static_cast<int>(best->cells.size()) - 1 : kLongestChain;
            searchXYChain(grid, twoWith, s, x, longest, found);
            if (found) {
                best = found;
            }
        }
    }
    if (!best) {
        return std::nullopt;
    }
    const TextSource& source = *grid.texts;
    std::string text;
    for (const int c : best->cells) {
        text += (text.empty() ? "" : " - ") +
                Sentence(source, texts::kCellWithCandidates,
                         {CellName(c, source), DigitsText(grid.masks[c], source)});
    }
    const auto eliminations = eliminationsOf(best->targets, best->digit);
    Step step = MakeStep(
        source, Technique::XYChain,
        ChainWeight(Technique::XYChain, static_cast<int>(best->cells.size())),
        Sentence(source, texts::kChain,
                 {CellName(best->cells.front(), source), CellName(best->cells.back(), source),
                  std::to_string(best->digit), text, EliminationText(eliminations, source)}),
        {}, eliminations);
    step.cells = best->cells;
    return step;
}

}  // namespace ninefold::steps
