// Puzzles made to order: per level, the time each puzzle takes (median, 90th percentile,
// slowest), the grids tried for it and the longest stretch without a poll; the process's peak
// memory; and beside them qqwing's own time for its expert level in the same run, with our
// levels of its puzzles.
// Usage: bench_levels [COUNT]   (puzzles per level, 20 by default; seeds 1..COUNT)
#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/board_text.h"
#include "engine/solution_count.h"
#include "engine/steps/level_generator.h"

namespace {

using namespace ninefold;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

// The longest stretch of work between two polls: how long Esc can wait in the game.
class PollTimer : public SearchHost {
  public:
    void SearchStarting() override { last_ = Clock::now(); }
    bool PumpEvents() override {
        longest = std::max(longest, millisecondsSince(last_));
        last_ = Clock::now();
        return false;
    }
    double longest = 0;

  private:
    Clock::time_point last_;
};

void benchLevel(steps::Level level, int count) {
    std::vector<double> times;
    int64_t tries = 0;
    PollTimer polls;
    for (int seed = 1; seed <= count; ++seed) {
        SeededRandom random(static_cast<uint64_t>(seed));
        const auto start = Clock::now();
        const std::optional<steps::LevelPuzzle> puzzle =
            steps::GenerateLevelPuzzle(level, steps::Symmetry::Rotational, random, polls);
        times.push_back(millisecondsSince(start));
        tries += puzzle->tries;
    }
    std::printf(
        "%-11s median %6.1f ms  90%% %6.1f ms  slowest %6.1f ms  %5.1f grids a "
        "puzzle  polls %4.1f ms apart at most\n",
        steps::LevelName(level), percentile(times, 0.5), percentile(times, 0.9),
        *std::max_element(times.begin(), times.end()), static_cast<double>(tries) / count,
        polls.longest);
}

// qqwing's expert level with the same symmetry: its time a puzzle and how our rater grades
// what it made.
void benchQqwing(int count) {
    const std::string command = "qqwing --generate " + std::to_string(count) +
                                " --difficulty expert --symmetry rotate180 --one-line 2>/dev/null";
    const auto start = Clock::now();
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        std::printf("qqwing: could not be started\n");
        return;
    }
    std::vector<std::string> lines;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        lines.emplace_back(buffer.data());
    }
    const int status = pclose(pipe);
    const double total = millisecondsSince(start);
    if (status != 0 || lines.empty()) {
        std::printf("qqwing: not installed or failed (tools/install-deps brings it)\n");
        return;
    }
    std::array<int, steps::kLevelCount> levels{};
    for (const std::string& line : lines) {
        const std::optional<CellGrid> grid = ParseBoardLine(line.substr(0, 81));
        if (grid) {
            const steps::Rating rating = steps::ExplainPuzzle(DigitsOf(*grid)).rating;
            ++levels[static_cast<int>(
                steps::LevelFromName(rating.level).value_or(steps::Level::Diabolical))];
        }
    }
    std::printf(
        "qqwing expert, rotate180: %7.1f ms a puzzle (%zu puzzles; by our levels %d "
        "easy, %d medium, %d hard, %d diabolical)\n",
        total / static_cast<double>(lines.size()), lines.size(), levels[0], levels[1], levels[2],
        levels[3]);
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::printf("%d symmetric minimal puzzles per level, one core:\n", count);
    for (int k = 0; k < steps::kLevelCount; ++k) {
        benchLevel(static_cast<steps::Level>(k), count);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    benchQqwing(count);
    return 0;
}
