// The step solver over puzzle files: per file, the time to explain every puzzle, the slowest
// puzzle, the slowest hint on a fresh puzzle, how many steps fell back on a search, and a
// soundness check of every step against the puzzle's solution (a placed digit must be the
// solution's, a removed candidate must not be).
// Usage: bench_hints [FILE_OR_FOLDER...]; without files, the shared benchmark folder.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/board_text.h"
#include "engine/solution_count.h"
#include "engine/steps/hint.h"
#include "engine/steps/puzzle_rating.h"

namespace {

using namespace ninefold;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

struct FileFigures {
    int puzzles = 0;
    int unrated = 0;
    int incomplete = 0;  // solved puzzles whose steps did not fill the grid
    int unsound = 0;     // steps that contradict the solution
    int searchSteps = 0;
    int steps = 0;
    double total = 0;
    double slowest = 0;
    double slowestHint = 0;
};

// Checks every step against the solution and that the steps fill the grid.
void checkSteps(const DigitGrid& digits, const steps::Explanation& e, FileFigures& f) {
    DigitGrid solution{};
    JudgeSolutions(digits, solution);
    DigitGrid filled = digits;
    for (const steps::Step& step : e.steps) {
        ++f.steps;
        f.searchSteps += step.technique == steps::Technique::TrialBySearch ? 1 : 0;
        bool sound = true;
        for (const steps::CellDigit& p : step.place) {
            sound = sound && solution[p.cell] == p.digit;
            filled[p.cell] = p.digit;
        }
        for (const steps::CellDigit& x : step.eliminate) {
            sound = sound && solution[x.cell] != x.digit;
        }
        if (!sound) {
            ++f.unsound;
            std::printf("  unsound: %s\n", step.text.c_str());
        }
    }
    f.incomplete += filled == solution ? 0 : 1;
}

FileFigures runFile(const fs::path& path) {
    FileFigures f;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const auto grid = ParseBoardLine(line);
        if (line.empty() || line[0] == '#' || !grid) {
            continue;
        }
        ++f.puzzles;
        const DigitGrid digits = DigitsOf(*grid);
        Board board;
        board.WriteCells(*grid);
        const auto start = Clock::now();
        const steps::Explanation e = steps::ExplainPuzzle(digits);
        const double took = seconds(start);
        f.total += took;
        f.slowest = std::max(f.slowest, took);
        const auto hintStart = Clock::now();
        (void)steps::NextHint(board);
        f.slowestHint = std::max(f.slowestHint, seconds(hintStart));
        if (e.status != Solutions::One) {
            ++f.unrated;
            continue;
        }
        checkSteps(digits, e, f);
    }
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> files;
    std::vector<fs::path> named(argv + 1, argv + argc);
    if (named.empty()) {
        named.push_back(NINEFOLD_BENCH_DIR);
    }
    for (const fs::path& p : named) {
        if (fs::is_directory(p)) {
            for (const auto& entry : fs::directory_iterator(p)) {
                if (entry.path().extension() == ".txt") {
                    files.push_back(entry.path());
                }
            }
        } else {
            files.push_back(p);
        }
    }
    std::sort(files.begin(), files.end());
    std::printf("%-16s %7s %8s %9s %9s %9s %8s %7s %8s %10s\n", "file", "puzzles", "unrated",
                "total s", "slowest s", "hint s", "steps", "search", "unsound", "incomplete");
    for (const fs::path& path : files) {
        const FileFigures f = runFile(path);
        std::printf("%-16s %7d %8d %9.3f %9.4f %9.4f %8d %7d %8d %10d\n", path.filename().c_str(),
                    f.puzzles, f.unrated, f.total, f.slowest, f.slowestHint, f.steps, f.searchSteps,
                    f.unsound, f.incomplete);
        std::fflush(stdout);
    }
    return 0;
}
