// rate and explain: each puzzle worked through by the step solver, as a rating line, as
// numbered steps in words, or as one JSON object a line.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/progress.h"
#include "cli/puzzle_input.h"
#include "engine/solution_count.h"
#include "engine/steps/puzzle_rating.h"
#include "engine/steps/step_text.h"

namespace ninefold::cli {

namespace {

using steps::Explanation;

std::string puzzleLine(const CellGrid& grid) {
    std::string line(kCellCount, '.');
    for (int c = 0; c < kCellCount; ++c) {
        if (grid[c].Digit >= 1 && grid[c].Digit <= 9) {
            line[c] = static_cast<char>('0' + grid[c].Digit);
        }
    }
    return line;
}

Explanation explain(const CellGrid& grid) {
    return steps::ExplainPuzzle(DigitsOf(grid));
}

const char* statusName(Solutions status) {
    switch (status) {
        case Solutions::One:
            return "solved";
        case Solutions::None:
            return "no-solution";
        case Solutions::Several:
            return "multiple-solutions";
        case Solutions::Unknown:  // the explanation never answers it
            break;
    }
    return "";
}

// "8.3/1.5/1.2 diabolical"
std::string ratingText(const steps::Rating& r) {
    return steps::WeightText(r.er) + "/" + steps::WeightText(r.ep) + "/" + steps::WeightText(r.ed) +
           " " + r.level;
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
        }
        out += ch;
    }
    return out + "\"";
}

std::string jsonPairs(const std::vector<steps::CellDigit>& pairs) {
    std::string out = "[";
    for (const steps::CellDigit& p : pairs) {
        out += (out.size() > 1 ? ", [" : "[") + std::to_string(p.cell) + ", " +
               std::to_string(p.digit) + "]";
    }
    return out + "]";
}

std::string jsonCells(const std::vector<int>& cells) {
    std::string out = "[";
    for (const int c : cells) {
        out += (out.size() > 1 ? ", " : "") + std::to_string(c);
    }
    return out + "]";
}

std::string jsonLine(const std::string& puzzle, const Explanation& e) {
    std::string out = "{\"puzzle\": " + jsonString(puzzle) +
                      ", \"status\": " + jsonString(statusName(e.status)) + ", \"rating\": ";
    if (e.status == Solutions::One) {
        out += "{\"er\": " + steps::WeightText(e.rating.er) +
               ", \"ep\": " + steps::WeightText(e.rating.ep) +
               ", \"ed\": " + steps::WeightText(e.rating.ed) +
               ", \"level\": " + jsonString(e.rating.level) + "}";
    } else {
        out += "null";
    }
    out += ", \"steps\": [";
    for (std::size_t i = 0; i < e.steps.size(); ++i) {
        const steps::Step& s = e.steps[i];
        out += (i > 0 ? ", " : "") + std::string("{\"technique\": ") +
               jsonString(steps::InfoOf(s.technique).name) +
               ", \"weight\": " + steps::WeightText(s.weight) +
               ", \"clue\": " + jsonString(steps::ClueText(s)) +
               ", \"text\": " + jsonString(s.text) + ", \"place\": " + jsonPairs(s.place) +
               ", \"eliminate\": " + jsonPairs(s.eliminate) + ", \"cells\": " + jsonCells(s.cells) +
               "}";
    }
    return out + "]}\n";
}

std::string textBlock(const std::string& puzzle, const Explanation& e) {
    if (e.status != Solutions::One) {
        return puzzle + " " + statusName(e.status) + "\n\n";
    }
    std::string out = puzzle + "\n";
    for (std::size_t i = 0; i < e.steps.size(); ++i) {
        out += std::to_string(i + 1) + ". " + steps::ClueText(e.steps[i]) + "\n   " +
               e.steps[i].text + "\n";
    }
    return out + "Rating: " + ratingText(e.rating) + "\n\n";
}

void write(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

int RunRate(const Arguments& args) {
    Progress progress("rate");
    bool allRated = true;
    const InputStats stats = ReadPuzzles(args.files, [&](const CellGrid& grid) {
        const Explanation e = explain(grid);
        allRated = allRated && e.status == Solutions::One;
        write(puzzleLine(grid) + " " +
              (e.status == Solutions::One ? ratingText(e.rating) : statusName(e.status)) + "\n");
        progress.Step();
    });
    return ExitStatus(stats.bad, allRated);
}

int RunExplain(const Arguments& args) {
    Progress progress("explain");
    bool allRated = true;
    const InputStats stats = ReadPuzzles(args.files, [&](const CellGrid& grid) {
        const Explanation e = explain(grid);
        allRated = allRated && e.status == Solutions::One;
        const std::string puzzle = puzzleLine(grid);
        write(args.json ? jsonLine(puzzle, e) : textBlock(puzzle, e));
        progress.Step();
    });
    return ExitStatus(stats.bad, allRated);
}

}  // namespace ninefold::cli
