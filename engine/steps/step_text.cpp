// Names and sentences for steps.
#include "engine/steps/step_text.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "engine/steps/hint_grid.h"

namespace ninefold::steps {

namespace {

// "a, b and c": the items one by one into the list templates.
std::string joined(const TextSource& source, const std::vector<std::string>& parts,
                   const TextTemplate& next, const TextTemplate& last = texts::kListLast) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i == 0) {
            text = parts[i];
        } else {
            text = Sentence(source, i + 1 == parts.size() ? last : next, {text, parts[i]});
        }
    }
    return text;
}

std::string number(int n) {
    return std::to_string(n);
}

}  // namespace

std::string CellName(int cell, const TextSource& source) {
    return Sentence(source, texts::kCell, {number(RowOf(cell)), number(ColumnOf(cell))});
}

std::string UnitName(int unit, const TextSource& source) {
    static const TextTemplate* const kKinds[] = {&texts::kRow, &texts::kColumn, &texts::kBox};
    return Sentence(source, *kKinds[unit / 9], {number(unit % 9 + 1)});
}

std::string DigitsText(uint16_t mask, const TextSource& source, const TextTemplate& last) {
    std::vector<std::string> parts;
    for (int d = 1; d <= 9; ++d) {
        if ((mask & Bit(d)) != 0) {
            parts.push_back(number(d));
        }
    }
    return joined(source, parts, texts::kListNext, last);
}

std::string NumbersText(std::vector<int> numbers, const TextSource& source) {
    std::sort(numbers.begin(), numbers.end());
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) {
            ++j;
        }
        if (j >= i + 2) {
            parts.push_back(
                Sentence(source, texts::kRange, {number(numbers[i]), number(numbers[j])}));
            i = j + 1;
        } else {
            parts.push_back(number(numbers[i]));
            ++i;
        }
    }
    return joined(source, parts, texts::kListNext);
}

std::string CellsText(const std::vector<int>& cells, const TextSource& source) {
    const bool oneColumn = cells.size() > 1 && std::all_of(cells.begin(), cells.end(), [&](int c) {
                               return ColumnOf(c) == ColumnOf(cells.front());
                           });
    if (oneColumn) {
        std::vector<int> rows;
        for (const int c : cells) {
            rows.push_back(RowOf(c));
        }
        return Sentence(source, texts::kCellsInColumn,
                        {NumbersText(rows, source), number(ColumnOf(cells.front()))});
    }
    std::vector<int> rowOrder;
    for (const int c : cells) {
        if (std::find(rowOrder.begin(), rowOrder.end(), RowOf(c)) == rowOrder.end()) {
            rowOrder.push_back(RowOf(c));
        }
    }
    std::vector<std::string> parts;
    bool grouped = false;
    for (const int row : rowOrder) {
        std::vector<int> columns;
        for (const int c : cells) {
            if (RowOf(c) == row) {
                columns.push_back(ColumnOf(c));
            }
        }
        grouped = grouped || columns.size() > 1;
        parts.push_back(CountedSentence(source, texts::kCellsInRow,
                                        static_cast<int64_t>(columns.size()),
                                        {number(row), NumbersText(columns, source)}));
    }
    // A group's own "and" would blur where the next begins.
    return joined(source, parts, texts::kGroupNext, grouped ? texts::kGroupNext : texts::kListLast);
}

std::string PlacesText(int unit, const std::vector<int>& cells, const TextSource& source) {
    if (unit >= 18) {
        return CellsText(cells, source);
    }
    std::vector<int> numbers;
    for (const int c : cells) {
        numbers.push_back(unit < 9 ? ColumnOf(c) : RowOf(c));
    }
    return CountedSentence(source, unit < 9 ? texts::kColumns : texts::kRows,
                           static_cast<int64_t>(cells.size()), {NumbersText(numbers, source)});
}

std::string EliminationText(const std::vector<CellDigit>& eliminations, const TextSource& source) {
    // Each cell's removed digits, then the cells that lose the same digits together.
    std::vector<std::pair<int, uint16_t>> byCell;
    for (const CellDigit& e : eliminations) {
        auto it = std::find_if(byCell.begin(), byCell.end(),
                               [&](const auto& entry) { return entry.first == e.cell; });
        if (it == byCell.end()) {
            byCell.emplace_back(e.cell, 0);
            it = byCell.end() - 1;
        }
        it->second = static_cast<uint16_t>(it->second | Bit(e.digit));
    }
    std::sort(byCell.begin(), byCell.end());
    std::vector<std::string> groups;
    std::vector<uint16_t> done;
    for (const auto& [cell, digits] : byCell) {
        if (std::find(done.begin(), done.end(), digits) != done.end()) {
            continue;
        }
        done.push_back(digits);
        std::vector<int> cells;
        for (const auto& [other, otherDigits] : byCell) {
            if (otherDigits == digits) {
                cells.push_back(other);
            }
        }
        groups.push_back(CountedSentence(source, texts::kDigitsLeave, CountOf(digits),
                                         {DigitsText(digits, source), CellsText(cells, source)}));
    }
    return joined(source, groups, texts::kGroupNext, texts::kGroupNext);
}

bool ToldInEnglish(const TextSource& source) {
    // The clue's "a" is English's alone: every other language words that template its own way.
    return source.Template(texts::kClueA, 0) == texts::kClueA.text;
}

std::string TechniqueName(Technique technique, const TextSource& source) {
    static_assert(
        std::size(texts::kTechniqueNames) == static_cast<std::size_t>(Technique::TrialBySearch) + 1,
        "one name for each technique, in the order of Technique");
    return Sentence(source, texts::kTechniqueNames[static_cast<int>(technique)]);
}

Step MakeStep(const TextSource& source, Technique technique, int weight, const std::string& body,
              const std::vector<CellDigit>& place, const std::vector<CellDigit>& eliminate,
              Look look) {
    return Step{technique,
                weight,
                Sentence(source, texts::kStep, {TechniqueName(technique, source), body}),
                place,
                eliminate,
                look,
                {}};
}

std::string ClueText(const Step& step, const TextSource& source) {
    std::string where;
    if (step.look.digit != 0) {
        where = Sentence(source, texts::kClueDigit, {number(step.look.digit)});
    } else if (step.look.unit >= 0) {
        where = UnitName(step.look.unit, source);
    } else {
        const int cell =
            !step.place.empty() ? step.place.front().cell : step.eliminate.front().cell;
        where = UnitName(18 + BoxOf(cell) - 1, source);
    }
    // "Hidden single" reads "a hidden single"; names led by capitals (X-wing, XY-wing, BUG+1)
    // keep them, and those said with a vowel sound take "an". That is English grammar: a clue
    // in another language keeps the name as its translator wrote it.
    std::string name = TechniqueName(step.technique, source);
    const bool capitals = name.size() > 1 && std::isupper(static_cast<unsigned char>(name[1]));
    const bool spelledOut = name[0] == 'X' || (name.size() > 1 && name[1] == '-');
    if (ToldInEnglish(source) && !capitals && !spelledOut) {
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    }
    const bool vowelSound =
        name[0] == 'X' || std::string("aeioAEIO").find(name[0]) != std::string::npos;
    return Sentence(source, vowelSound ? texts::kClueAn : texts::kClueA, {where, name});
}

}  // namespace ninefold::steps
