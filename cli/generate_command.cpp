// generate: new puzzles from one seeded random source, so a seed gives the same lines again;
// the game's generator, or with --level puzzles made to order at a level.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/progress.h"
#include "engine/board_text.h"
#include "engine/generator.h"
#include "engine/steps/level_generator.h"
#include "engine/steps/technique_table.h"

namespace ninefold::cli {

namespace {

std::string digitsLine(const DigitGrid& digits) {
    std::string line(kCellCount, '.');
    for (int c = 1; c <= kCellCount; ++c) {
        if (digits[c] != 0) {
            line[c - 1] = static_cast<char>('0' + digits[c]);
        }
    }
    return line;
}

// GIVENS SOLUTION ER/EP/ED LEVEL
std::string levelLine(const steps::LevelPuzzle& puzzle) {
    const steps::Rating& r = puzzle.rating;
    return digitsLine(puzzle.givens) + " " + digitsLine(puzzle.solution) + " " +
           steps::WeightText(r.er) + "/" + steps::WeightText(r.ep) + "/" + steps::WeightText(r.ed) +
           " " + r.level + "\n";
}

}  // namespace

int RunGenerate(const Arguments& args) {
    Progress progress("generate");
    SeededRandom random(args.seed.value_or(SeededRandom::ClockSeed()));
    Board board;
    for (uint64_t i = 0; i < args.count; ++i) {
        std::string line;
        if (args.level) {
            line = levelLine(steps::GenerateLevelPuzzle(
                *args.level, args.symmetry.value_or(steps::Symmetry::Rotational), random));
        } else {
            const GenerateResult result = GeneratePuzzle(board, random);
            line = GivensToLine(board) + " " + BoardToLine(board) + " " +
                   std::to_string(result.retries) + "\n";
        }
        std::fwrite(line.data(), 1, line.size(), stdout);
        progress.Step();
    }
    return 0;
}

}  // namespace ninefold::cli
