// Puzzles made to order: from a random complete grid, givens go (with their mirror under a
// half turn, unless told otherwise) while one solution remains, and the minimal puzzle is kept
// when its rating puts it in the level asked for; otherwise another grid is tried.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/generator.h"
#include "engine/solver.h"
#include "engine/steps/puzzle_rating.h"

namespace ninefold::steps {

// In the order of LevelOf's levels, easiest first.
enum class Level { Easy, Medium, Hard, Diabolical };
enum class Symmetry { Rotational, None };

inline constexpr int kLevelCount = 4;
inline constexpr int kSymmetryCount = 2;

// "easy", "medium", "hard", "diabolical": the names LevelOf gives.
const char* LevelName(Level level);
std::optional<Level> LevelFromName(std::string_view name);
// "rotational", "none".
const char* SymmetryName(Symmetry symmetry);
std::optional<Symmetry> SymmetryFromName(std::string_view name);

struct LevelPuzzle {
    DigitGrid givens{};  // 0 where the cell is empty
    DigitGrid solution{};
    Rating rating;
    int64_t tries = 0;  // grids made, the kept one included
};

// Tries grids until one gives a puzzle at the level. The host's SearchStarting comes first and
// SearchEnded last; PumpEvents runs often (at least once a millisecond of work) and a true
// answer ends the work with no puzzle. The random source is read only, never reseeded.
std::optional<LevelPuzzle> GenerateLevelPuzzle(Level level, Symmetry symmetry, RandomSource& random,
                                               SearchHost& host);
// Without a host: runs until a puzzle is found.
LevelPuzzle GenerateLevelPuzzle(Level level, Symmetry symmetry, RandomSource& random);

}  // namespace ninefold::steps
