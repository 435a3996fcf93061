// Solves every puzzle of the benchmark files through the engine's Solve command and prints,
// per file, puzzles per second, the mean and largest number of tried digits per puzzle, and
// the longest a search went without letting window events through.
// With --against-unpruned it solves each puzzle a second time with every digit tried and
// prints, per file, how many puzzles ended differently (grid, flags, end, refusal, marks).
// Usage: bench_solve [--against-unpruned] [FILE_OR_FOLDER...]; without files, the shared
// benchmark folder.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/board_text.h"
#include "engine/conflicts.h"
#include "engine/solver.h"

namespace {

using namespace ninefold;
namespace fs = std::filesystem;

SearchHost& silent() {
    static SearchHost host;
    return host;
}

std::vector<CellGrid> readPuzzles(const fs::path& path) {
    std::vector<CellGrid> puzzles;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (const auto grid = ParseBoardLine(line)) {
            puzzles.push_back(*grid);
        }
    }
    return puzzles;
}

// The longest stretch of a search without a pump (from its start to the first pump, between
// two pumps, or from the last pump to its end): how long Esc could wait to be seen.
class GapHost : public SearchHost {
  public:
    void SearchStarting() override { last_ = std::chrono::steady_clock::now(); }
    bool PumpEvents() override {
        note();
        return false;
    }
    void SearchEnded() override { note(); }
    double longest = 0;

  private:
    void note() {
        const auto now = std::chrono::steady_clock::now();
        longest = std::max(longest, std::chrono::duration<double>(now - last_).count());
        last_ = now;
    }
    std::chrono::steady_clock::time_point last_;
};

void benchFile(const fs::path& path) {
    const std::vector<CellGrid> puzzles = readPuzzles(path);
    if (puzzles.empty()) {
        return;
    }
    uint64_t totalTried = 0;
    uint64_t maxTried = 0;
    int solved = 0;
    Board board;
    GapHost host;
    const auto start = std::chrono::steady_clock::now();
    for (const CellGrid& grid : puzzles) {
        board.WriteCells(grid);
        const SolveResult result = SolveCommand(board, host);
        totalTried += result.search.triedDigits;
        maxTried = std::max(maxTried, result.search.triedDigits);
        solved += result.outcome == SolveOutcome::Solved ? 1 : 0;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "%-16s %6zu puzzles %6d solved %10.0f puzzles/s %10.1f mean tried %8llu max tried "
        "%7.2f ms longest without a pump\n",
        path.filename().string().c_str(), puzzles.size(), solved,
        static_cast<double>(puzzles.size()) / seconds,
        static_cast<double>(totalTried) / static_cast<double>(puzzles.size()),
        static_cast<unsigned long long>(maxTried), host.longest * 1e3);
}

// What a solve leaves that must not depend on pruning; the marks only where the search did
// not run dry, since a dry search marks the cells of whichever digits it tried last.
std::string outcomeOf(const Board& board, const SolveResult& result) {
    std::string outcome = BoardToLine(board) + GivensToLine(board) +
                          static_cast<char>('0' + static_cast<int>(result.outcome)) +
                          static_cast<char>('0' + static_cast<int>(result.search.end)) +
                          static_cast<char>('0' + static_cast<int>(result.search.verdict));
    if (result.search.end != SearchEnd::Exhausted) {
        for (int c = 1; c <= kCellCount; ++c) {
            outcome += board.Background(c) == BackColour::Yellow ? 'y' : 'w';
        }
    }
    return outcome;
}

void compareFile(const fs::path& path) {
    const std::vector<CellGrid> puzzles = readPuzzles(path);
    if (puzzles.empty()) {
        return;
    }
    int differing = 0;
    uint64_t tried[2] = {0, 0};
    double seconds[2] = {0, 0};
    for (const CellGrid& grid : puzzles) {
        std::string outcomes[2];
        for (int unpruned = 0; unpruned < 2; ++unpruned) {
            Board board;
            board.WriteCells(grid);
            const auto start = std::chrono::steady_clock::now();
            const SolveResult result = SolveCommand(
                board, silent(), unpruned != 0 ? Pruning::None : Pruning::ProvenEmptyBranches);
            seconds[unpruned] +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            tried[unpruned] += result.search.triedDigits;
            outcomes[unpruned] = outcomeOf(board, result);
        }
        differing += outcomes[0] != outcomes[1] ? 1 : 0;
    }
    const auto n = static_cast<double>(puzzles.size());
    std::printf(
        "%-16s %6zu puzzles %6d differing   pruned %8.3f s %10.1f mean tried   every digit "
        "%8.3f s %10.1f mean tried\n",
        path.filename().string().c_str(), puzzles.size(), differing, seconds[0],
        static_cast<double>(tried[0]) / n, seconds[1], static_cast<double>(tried[1]) / n);
}

std::vector<fs::path> filesOf(const fs::path& place) {
    std::vector<fs::path> files;
    if (fs::is_directory(place)) {
        for (const auto& entry : fs::directory_iterator(place)) {
            if (entry.path().extension() == ".txt" && entry.path().filename() != "README.md") {
                files.push_back(entry.path());
            }
        }
        std::sort(files.begin(), files.end());
    } else {
        files.push_back(place);
    }
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> places;
    bool againstUnpruned = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--against-unpruned") {
            againstUnpruned = true;
        } else {
            places.emplace_back(argv[i]);
        }
    }
    if (places.empty()) {
        places.emplace_back(NINEFOLD_BENCH_DIR);
    }
    for (const fs::path& place : places) {
        for (const fs::path& file : filesOf(place)) {
            if (againstUnpruned) {
                compareFile(file);
            } else {
                benchFile(file);
            }
            std::fflush(stdout);
        }
    }
    return 0;
}
