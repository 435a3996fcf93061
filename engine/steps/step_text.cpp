// Names and sentences for steps.
#include "engine/steps/step_text.h"

#include <algorithm>
#include <cctype>

#include "engine/steps/hint_grid.h"

namespace ninefold::steps {

namespace {

std::string joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            text += i + 1 == parts.size() ? " and " : separator;
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

std::string DigitsText(uint16_t mask) {
    std::vector<std::string> parts;
    for (int d = 1; d <= 9; ++d) {
        if ((mask & Bit(d)) != 0) {
            parts.push_back(std::to_string(d));
        }
    }
    return joined(parts, ", ");
}

std::string CellsText(const std::vector<int>& cells) {
    std::vector<std::string> parts;
    for (const int cell : cells) {
        parts.push_back(CellName(cell));
    }
    return joined(parts, "; ");
}

std::string EliminationText(const std::vector<CellDigit>& eliminations) {
    std::vector<std::string> groups;
    for (int d = 1; d <= 9; ++d) {
        std::vector<int> cells;
        for (const CellDigit& e : eliminations) {
            if (e.digit == d) {
                cells.push_back(e.cell);
            }
        }
        if (!cells.empty()) {
            groups.push_back(std::to_string(d) + " leaves " + CellsText(cells));
        }
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
                place,     eliminate, look};
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
