// Generating a new puzzle: cells in row-major order, forced cells filled before each
// choice, random digits chosen where a cell is still empty; a failed attempt starts over.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "engine/board.h"
#include "engine/text_template.h"

namespace ninefold {

// Uniform numbers in [0, 1).
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double Next() = 0;
};

// A reproducible source: the same seed gives the same numbers on every platform.
class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(uint64_t seed) : engine_(seed) {}
    static uint64_t ClockSeed();
    double Next() override;

  private:
    std::mt19937_64 engine_;
};

// The three band texts (columns 1–3, 4–6, 7–9) for the cell at row, column; reads
// Candidates, which must be up to date.
std::array<std::string, 3> BandCandidates(const Board& board, int row, int column);

struct GenerateResult {
    int64_t retries = 0;  // failed attempts before the one that succeeded
};

GenerateResult GeneratePuzzle(Board& board, RandomSource& random);

// "Ready.", "1 Retry!" or "<n> Retries!"; Ready is an information, the others a warning.
std::string GenerateMessage(int64_t retries, const TextSource& texts = EnglishText());

}  // namespace ninefold
