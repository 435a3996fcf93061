// Nanoseconds per candidate recomputation and per forced-cell fill, the two costs every
// tried digit of the search and every generator step pays several times over.
#include <benchmark/benchmark.h>

#include "engine/board_text.h"
#include "engine/candidates.h"
#include "engine/deduction.h"

namespace {

using namespace ninefold;

constexpr const char* kEasy =
    "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..";

Board boardFrom(const char* line) {
    Board board;
    board.WriteCells(*ParseBoardLine(line));
    return board;
}

void BM_ComputeCandidates(benchmark::State& state) {
    Board board = boardFrom(kEasy);
    for (auto _ : state) {
        ComputeCandidates(board);
        benchmark::DoNotOptimize(board.Candidates);
    }
}
BENCHMARK(BM_ComputeCandidates);

void BM_FillForcedCellsEasy(benchmark::State& state) {
    const Board start = boardFrom(kEasy);
    Board board = start;
    for (auto _ : state) {
        board.Cells = start.Cells;
        FillForcedCells(board);
        benchmark::DoNotOptimize(board.Cells);
    }
}
BENCHMARK(BM_FillForcedCellsEasy);

void BM_FillForcedCellsEmpty(benchmark::State& state) {
    Board board;
    for (auto _ : state) {
        FillForcedCells(board);
        benchmark::DoNotOptimize(board.Cells);
    }
}
BENCHMARK(BM_FillForcedCellsEmpty);

}  // namespace

BENCHMARK_MAIN();
