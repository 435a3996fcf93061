// Two strong links: in each of two units the digit has two places (or two groups of places
// within one box-line crossing), and one end of each sees the other, so one of the far ends
// holds the digit and every cell that sees both far ends loses it.
#include "engine/steps/strong_link_steps.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/steps/step_text.h"

namespace ninefold::steps {

namespace {

// Kept free of the heap: the finder builds every link of every digit on each call.
struct End {
    std::array<uint8_t, 3> cells{};  // one cell, or a group of two or three in one crossing
    int count = 0;
    CellSet set;
    CellSet seen;  // cells that see every cell of the end
    std::vector<int> list() const { return {cells.begin(), cells.begin() + count}; }
};

struct Link {
    int unit;
    End ends[2];
};

// Cells of a unit, at most nine.
struct Places {
    std::array<uint8_t, 9> cells{};
    int count = 0;
    void Add(int c) { cells[count++] = static_cast<uint8_t>(c); }
    const uint8_t* begin() const { return cells.data(); }
    const uint8_t* end() const { return cells.data() + count; }
};

End endOf(const Places& places) {
    End end;
    end.seen.words[0] = ~uint64_t{0};
    end.seen.words[1] = ~uint64_t{0};
    for (const int c : places) {
        end.cells[end.count++] = static_cast<uint8_t>(c);
        end.set.Add(c);
        end.seen = end.seen & kPeerSets[c];
    }
    return end;
}

int kindOf(int unit) {  // 0 row, 1 column, 2 box
    return unit / 9;
}

// The unit's places for the digit split into two ends: two cells, or the parts in two boxes
// of a line, or the parts of a box in one line and in the rest when the rest lies in a line.
void addLinks(const HintGrid& grid, int unit, int digit, std::vector<Link>& links) {
    Places places;
    for (const uint8_t c : kUnits[unit]) {
        if (grid.Has(c, digit)) {
            places.Add(c);
        }
    }
    if (places.count < 2 || places.count > 6) {
        return;  // two ends of at most three cells each
    }
    auto inOneLine = [](const Places& cells) {
        bool row = true;
        bool column = true;
        for (const int c : cells) {
            row = row && RowOf(c) == RowOf(cells.cells[0]);
            column = column && ColumnOf(c) == ColumnOf(cells.cells[0]);
        }
        return row || column;
    };
    auto add = [&](const Places& a, const Places& b) {
        if (a.count <= 3 && b.count <= 3) {
            links.push_back({unit, {endOf(a), endOf(b)}});
        }
    };
    if (kindOf(unit) < 2) {
        // A line: its places must lie in exactly two boxes.
        Places ends[2];
        for (const int c : places) {
            ends[BoxOf(c) == BoxOf(places.cells[0]) ? 0 : 1].Add(c);
        }
        if (ends[1].count == 0) {
            return;
        }
        const int otherBox = BoxOf(ends[1].cells[0]);
        if (std::all_of(ends[1].begin(), ends[1].end(),
                        [&](int c) { return BoxOf(c) == otherBox; })) {
            add(ends[0], ends[1]);
        }
        return;
    }
    // A box: one end is its places in one row or column, the other the rest, if they too lie
    // in one line.
    for (const auto sideOf : {RowOf, ColumnOf}) {
        int done = 0;
        for (const int c0 : places) {
            const int line = sideOf(c0);
            if ((done & (1 << line)) != 0) {
                continue;
            }
            done |= 1 << line;
            Places in;
            Places rest;
            for (const int c : places) {
                (sideOf(c) == line ? in : rest).Add(c);
            }
            if (rest.count > 0 && inOneLine(rest)) {
                add(in, rest);
            }
        }
    }
}

struct Pattern {
    Technique technique;
    int weight;
};

Pattern patternOf(const Link& a, const Link& b) {
    for (const Link* link : {&a, &b}) {
        if (link->ends[0].count > 1 || link->ends[1].count > 1) {
            return {Technique::GroupedTurbotFish, InfoOf(Technique::GroupedTurbotFish).weight};
        }
    }
    const int ka = kindOf(a.unit);
    const int kb = kindOf(b.unit);
    const TechniqueInfo& turbot = InfoOf(Technique::TurbotFish);
    if (ka == 2 || kb == 2) {
        return {Technique::TurbotFish, ka == kb ? turbot.maxWeight : turbot.weight};
    }
    const Technique t = ka == kb ? Technique::Skyscraper : Technique::TwoStringKite;
    return {t, InfoOf(t).weight};
}

std::string endName(const End& end, const TextSource& source) {
    return CellsText(end.list(), source);
}

// The pattern's step when a near end of each link sees the other and a cell sees both far
// ends.
std::optional<Step> stepOf(const Link& a, const Link& b, int digit, const CellSet& candidates,
                           const Pattern& pattern, const TextSource& source) {
    for (int ea = 0; ea < 2; ++ea) {
        for (int eb = 0; eb < 2; ++eb) {
            const End& nearA = a.ends[ea];
            const End& nearB = b.ends[eb];
            const End& farA = a.ends[1 - ea];
            const End& farB = b.ends[1 - eb];
            const CellSet all = nearA.set | nearB.set | farA.set | farB.set;
            if (!nearB.set.Without(nearA.seen).Empty() ||
                nearA.count + nearB.count + farA.count + farB.count != all.Count()) {
                continue;
            }
            CellSet targets = (candidates & farA.seen & farB.seen).Without(all);
            if (targets.Empty()) {
                continue;
            }
            std::vector<CellDigit> eliminations;
            while (!targets.Empty()) {
                eliminations.push_back(
                    {static_cast<uint8_t>(targets.Take()), static_cast<uint8_t>(digit)});
            }
            const std::string d = std::to_string(digit);
            Step step = MakeStep(
                source, pattern.technique, pattern.weight,
                Sentence(source, texts::kTwoStrongLinks,
                         {UnitName(a.unit, source), d, endName(nearA, source),
                          endName(farA, source), UnitName(b.unit, source), endName(nearB, source),
                          endName(farB, source), EliminationText(eliminations, source)}),
                {}, eliminations, {-1, digit});
            for (const End* end : {&nearA, &farA, &nearB, &farB}) {
                const std::vector<int> cells = end->list();
                step.cells.insert(step.cells.end(), cells.begin(), cells.end());
            }
            return step;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FindTwoStrongLinks(const HintGrid& grid) {
    std::optional<Step> best;
    std::vector<Link> links;
    for (int d = 1; d <= 9; ++d) {
        links.clear();
        CellSet candidates;
        for (int c = 1; c <= kCellCount; ++c) {
            if (grid.Has(c, d)) {
                candidates.Add(c);
            }
        }
        for (int u = 0; u < 27; ++u) {
            addLinks(grid, u, d, links);
        }
        for (std::size_t i = 0; i < links.size(); ++i) {
            for (std::size_t j = i + 1; j < links.size(); ++j) {
                if (links[i].unit == links[j].unit) {
                    continue;
                }
                const Pattern pattern = patternOf(links[i], links[j]);
                if (best && best->weight <= pattern.weight) {
                    continue;
                }
                if (auto step = stepOf(links[i], links[j], d, candidates, pattern, *grid.texts)) {
                    best = std::move(step);
                }
            }
        }
    }
    return best;
}

}  // namespace ninefold::steps
