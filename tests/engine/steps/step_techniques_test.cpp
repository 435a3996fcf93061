// Each technique on a board where it is the easiest step: what the step finder takes, what it
// places and removes, and that this agrees with the puzzle's solution. The quads and the
// jellyfish, which no digits-only board of the shared puzzles needs, run on hand-set
// candidates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/steps/fish_steps.h"
#include "engine/solution_count.h"
#include "engine/steps/step_finder.h"
#include "engine/steps/subset_steps.h"

namespace ninefold::steps {
namespace {

DigitGrid digitsOf(const std::string& line) {
    DigitGrid digits{};
    for (int c = 1; c <= kCellCount; ++c) {
        digits[c] = line[c - 1] == '.' ? 0 : static_cast<uint8_t>(line[c - 1] - '0');
    }
    return digits;
}

// "75=7 80=1": cell (1-81) and digit of each entry.
std::string compact(const std::vector<CellDigit>& entries) {
    std::string text;
    for (const CellDigit& e : entries) {
        text += (text.empty() ? "" : " ") + std::to_string(e.cell) + "=" + std::to_string(e.digit);
    }
    return text;
}

struct TechniqueRow {
    Technique technique;
    const char* board;
    const char* place;
    const char* eliminate;
};

const TechniqueRow kRows[] = {
    {Technique::FullHouse,
     "4...3.....5.6..83.........1....5..9..8....6...7.2...1....192753513...94292734518.", "81=6",
     ""},
    {Technique::HiddenSingleBox,
     "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........", "75=7",
     ""},
    {Technique::HiddenSingleLine,
     "4...3.......6..83.........1....5..9..8....6...7.2........1927..513...942927.4.1..", "63=3",
     ""},
    {Technique::DirectPointing,
     "7.8...3.5.3.651.785..738....475.3.263...8..57.5.1.7.93.932.5784.8.37.5...758...3.", "26=4",
     "8=4"},
    {Technique::DirectClaiming,
     ".2.3...64....7.5...1.4.....7.86..4.....9.2...5.2........61.4.394...8...........4.", "56=5",
     "59=5 69=5 77=5 78=5"},
    {Technique::DirectHiddenPair,
     "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9.7......", "59=9",
     "62=6 62=8 63=6 63=8 63=9"},
    {Technique::NakedSingle,
     "7.8...3...3.651...5..738....4.....263...8.......1...93.9.2....4....7.5...........", "32=9",
     ""},
    {Technique::DirectHiddenTriple,
     "6....17.5.3.8..............7.52.3.8.1.9.........4.95..42...........9.1......7.6..", "73=9",
     "20=4 20=8 20=9 65=6 65=8 74=8 74=9"},
    {Technique::Pointing,
     "4...3.......6..8..........1....5..9..8....6...7.2........1927..5.3....4.9.7.4....", "",
     "3=5 12=5 21=5"},
    {Technique::Claiming,
     "4..6..3..31..2..6...8..7.519..8..5..84..53.16.....2..75.....6...3..8..4......9..5", "",
     "56=7 57=7 66=7 74=7 75=7"},
    {Technique::NakedPair,
     "...3..5...5..1.73.3.7..4..12.9...4...6..9..7...1..6..28..7..2..79..8..5...5..98.7", "",
     "1=4 10=4 73=4"},
    {Technique::XWing,
     "5..4..8......9..1...2..1..56..3..4...5..741.6..4.....83..6..7...6..4..8...8..2..1", "",
     "47=1 50=1 66=1"},
    {Technique::HiddenPair,
     "6.....32..5..9..8...2..6.598.5.4.7..97..5.24.2.4..1.9512.3..57..4..2..6...8..7..2", "",
     "31=6 33=3"},
    {Technique::NakedTriple,
     "1234....945618927378936245124...63983.894.5..6952387145......4.8.2..4..5964.....7", "",
     "58=7 59=1 59=7 61=1"},
    {Technique::Swordfish,
     "...3..5...5..1..3...7..4..12.....4...6..9......1..6..28..7..2..79..8..5...5..9..7", "",
     "3=2 22=2 76=2 6=2"},
    {Technique::HiddenTriple,
     ".4.7...6...39............57.......3.2...8.....19...57.6...4...5.5.1......2...6.84", "",
     "32=2 32=5 32=6 33=2 33=4 33=5 42=3 42=4 42=5"},
    {Technique::XYWing,
     "..7854639845396217369127458.3.76.9414769125839..43.726.9.64387.684.7139.7.3.89164", "",
     "2=1"},
    {Technique::XYZWing,
     "782.1....35...4..24.92.758.6....82.7..87.....175.238.65...793.8........48.7..2.6.", "",
     "17=9"},
    {Technique::UniqueRectangle,
     "143792685952684..7876.5.94273581926429.46.7..46..27.9..29.7.4..5.4236.79..794..2.", "",
     "79=1 79=8"},
    {Technique::Skyscraper,
     "..6...7.1..4...53..85....6.6.29.1....1.2.7..5....3.21..2...8.5.8.1.29....6..7....", "",
     "49=5"},
    {Technique::TwoStringKite,
     "5..2..3......8..9...2.34..66..1..9...1.....4...7..3..87..3..4...9..7..2...5..6..9", "",
     "40=9"},
    {Technique::XChain,
     "......87..7..9.31...3..7..51..6......5..2..4...8..9..74.....2...6..1..5......6..3", "",
     "56=1"},
    {Technique::BugPlusOne,
     "81925637457284316934691728515.3..9.62.......86.84....1465739812781524693923...457", "41=7",
     ""},
    {Technique::XYChain,
     ".1....38..867531.9.39.186..3.4..18.689..2.4136.1384.9.9.38..2.1.62149.381.8.3.9..", "",
     "76=6"},
    {Technique::ForcingChain,
     "4..6..3...1..2..6...8..7..19..8..5...4..5..1......2..75.....6...3..8..4......9..5", "",
     "77=1"},
    {Technique::Trial,
     "6.....3...5..9..8...2..6..98.5...7...7..5..4...4..1..512.3..57..4..2..6...8..7..2", "",
     "39=9"},
    {Technique::TrialBySearch,
     "........8..3...4.2.9..2..6.....79.......612...6.5.2.7...8...5...1.....2.4.5.....3", "",
     "74=2"},
};

TEST(StepTechniques, EachIsTheEasiestStepOnItsBoard) {
    for (const TechniqueRow& row : kRows) {
        SCOPED_TRACE(InfoOf(row.technique).name + std::string(" on ") + row.board);
        const DigitGrid digits = digitsOf(row.board);
        DigitGrid solution{};
        ASSERT_EQ(JudgeSolutions(digits, solution), Solutions::One);
        const HintGrid grid = HintGrid::FromDigits(digits);
        const std::optional<Step> step = FindEasiestStep(grid, &solution);
        ASSERT_TRUE(step.has_value());
        EXPECT_EQ(step->technique, row.technique) << step->text;
        EXPECT_EQ(compact(step->place), row.place);
        EXPECT_EQ(compact(step->eliminate), row.eliminate);
        for (const CellDigit& p : step->place) {
            EXPECT_EQ(solution[p.cell], p.digit);
        }
        for (const CellDigit& e : step->eliminate) {
            EXPECT_NE(solution[e.cell], e.digit);
        }
        // Steps that rest on the one solution wait until it is known.
        const std::optional<Step> unknown = FindEasiestStep(grid, nullptr);
        for (const Technique t :
             {Technique::UniqueRectangle, Technique::BugPlusOne, Technique::TrialBySearch}) {
            EXPECT_TRUE(!unknown || unknown->technique != t);
        }
    }
}

// An empty grid whose first row is set up by hand: cells 1-4 as given, the rest untouched.
HintGrid rowOneGrid(const std::array<uint16_t, 4>& first, uint16_t restWithout) {
    HintGrid grid;
    grid.masks.fill(kAllDigits);
    for (int c = 1; c <= 4; ++c) {
        grid.masks[c] = first[c - 1];
    }
    for (int c = 5; c <= 9; ++c) {
        grid.masks[c] = static_cast<uint16_t>(kAllDigits & ~restWithout);
    }
    return grid;
}

TEST(StepTechniques, QuadsAndJellyfishOnHandSetCandidates) {
    constexpr uint16_t k1234 = 0x1E;
    const HintGrid naked =
        rowOneGrid({Bit(1) | Bit(2), Bit(2) | Bit(3), Bit(3) | Bit(4), Bit(1) | Bit(4)}, 0);
    const std::optional<Step> nakedQuad = FindNakedSubset(naked, 4);
    ASSERT_TRUE(nakedQuad.has_value());
    EXPECT_EQ(nakedQuad->technique, Technique::NakedQuad);
    EXPECT_EQ(nakedQuad->eliminate.size(), 20U) << "1-4 leave the other five cells of row 1";

    const HintGrid hidden =
        rowOneGrid({kAllDigits, kAllDigits, kAllDigits, kAllDigits}, k1234);
    const std::optional<Step> hiddenQuad = FindHiddenSubset(hidden, 4);
    ASSERT_TRUE(hiddenQuad.has_value());
    EXPECT_EQ(hiddenQuad->technique, Technique::HiddenQuad);
    EXPECT_EQ(compact(hiddenQuad->eliminate).substr(0, 19), "1=5 1=6 1=7 1=8 1=9");
    EXPECT_EQ(hiddenQuad->eliminate.size(), 20U);

    // 1 lies in rows 1-4 only within columns 1-4, so it leaves those columns in rows 5-9.
    HintGrid fish;
    fish.masks.fill(kAllDigits);
    for (int c = 1; c <= 36; ++c) {
        if (ColumnOf(c) > 4) {
            fish.Eliminate(c, 1);
        }
    }
    const std::optional<Step> jellyfish = FindFish(fish, 4);
    ASSERT_TRUE(jellyfish.has_value());
    EXPECT_EQ(jellyfish->technique, Technique::Jellyfish);
    EXPECT_EQ(jellyfish->eliminate.size(), 20U);
    EXPECT_EQ(jellyfish->eliminate.front(), (CellDigit{37, 1}));
}

}  // namespace
}  // namespace ninefold::steps
