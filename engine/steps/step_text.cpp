// Names and sentences for steps.
#include "engine/steps/step_text.h"

#include <algorithm>
#include <cctype>

#include "engine/steps/hint_grid.h"

namespace ninefold::steps {

namespace {

std::string joined(const std::vector<std::string>& parts, const char* separator,
                   const char* last = " and ") {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            text += i + 1 == parts.size() ? last : separator;
        }
        text += parts[i];
    }
    return text;
}

}  // namespace

std::string CellName(int cell) {
    return "row " + std::to_string(RowOf(cell)) + ", column " + std::to_string(ColumnOf(cell));
}

std::string UnitName(int unit) {
    static const char* const kKinds[] = {"row ", "column ", "box "};
    return kKinds[unit / 9] + std::to_string(unit % 9 + 1);
}

std::string DigitsText(uint16_t mask, const char* last) {
    std::vector<std::string> parts;
    for (int d = 1; d <= 9; ++d) {
        if ((mask & Bit(d)) != 0) {
            parts.push_back(std::to_string(d));
        }
    }
    return joined(parts, ", ", last);
}

std::string NumbersText(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) {
            ++j;
        }
        if (j >= i + 2) {
            parts.push_back(std::to_string(numbers[i]) + "\u2013" + std::to_string(numbers[j]));
            i = j + 1;
        } else {
            parts.push_back(std::to_string(numbers[i]));
            ++i;
        }
    }
    return joined(parts, ", ");
}

std::string CellsText(const std::vector<int>& cells) {
    auto plural = [](const char* word, std::size_t n) {
        return std::string(word) + (n > 1 ? "s " : " ");
    };
    const bool oneColumn = cells.size() > 1 && std::all_of(cells.begin(), cells.end(), [&](int c) {
                               return ColumnOf(c) == ColumnOf(cells.front());
                           });
    if (oneColumn) {
        std::vector<int> rows;
        for (const int c : cells) {
            rows.push_back(RowOf(c));
        }
        return "rows " + NumbersText(rows) + ", column " + std::to_string(ColumnOf(cells.front()));
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
        parts.push_back("row " + std::to_string(row) + ", " + plural("column", columns.size()) +
                        NumbersText(columns));
    }
    if (grouped) {
        // A group's own "and" would blur where the next begins.
        std::string text;
        for (const std::string& part : parts) {
            text += (text.empty() ? "" : "; ") + part;
        }
        return text;
    }
    return joined(parts, "; ");
}

std::string PlacesText(int unit, const std::vector<int>& cells) {
    if (unit >= 18) {
        return CellsText(cells);
    }
    std::vector<int> numbers;
    for (const int c : cells) {
        numbers.push_back(unit < 9 ? ColumnOf(c) : RowOf(c));
    }
    return std::string(unit < 9 ? "column" : "row") + (cells.size() > 1 ? "s " : " ") +
           NumbersText(numbers);
}

std::string EliminationText(const std::vector<CellDigit>& eliminations) {
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
        groups.push_back(DigitsText(digits) + (CountOf(digits) > 1 ? " leave " : " leaves ") +
                         CellsText(cells));
    }
    std::string text;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        text += (i > 0 ? "; " : "") + groups[i];
    }
    return text;
}

Step MakeStep(Technique technique, int weight, const std::string& body,
              const std::vector<CellDigit>& place, const std::vector<CellDigit>& eliminate,
              Look look) {
    return Step{technique, weight,    std::string(InfoOf(technique).name) + ": " + body + ".",
                place,     eliminate, look,
                {}};
}

std::string ClueText(const Step& step) {
    std::string where;
    if (step.look.digit != 0) {
        where = "the " + std::to_string(step.look.digit) + "s";
    } else if (step.look.unit >= 0) {
        where = UnitName(step.look.unit);
    } else {
        const int cell =
            !step.place.empty() ? step.place.front().cell : step.eliminate.front().cell;
        where = UnitName(18 + BoxOf(cell) - 1);
    }
    // "Hidden single" reads "a hidden single"; names led by capitals (X-wing, XY-wing, BUG+1)
    // keep them, and those said with a vowel sound take "an".
    std::string name = InfoOf(step.technique).name;
    const bool capitals = name.size() > 1 && std::isupper(static_cast<unsigned char>(name[1]));
    const bool spelledOut = name[0] == 'X' || (name[1] == '-');
    if (!capitals && !spelledOut) {
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    }
    const bool vowelSound =
        name[0] == 'X' || std::string("aeioAEIO").find(name[0]) != std::string::npos;
    return "Look at " + where + ": " + (vowelSound ? "an " : "a ") + name + ".";
}

}  // namespace ninefold::steps
