// Each technique on a board where it is the easiest step: what the step finder takes, what it
// places and removes, and that this agrees with the puzzle's solution. The quads and the
// jellyfish, which no digits-only board of the shared puzzles needs, run on hand-set
// candidates.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/solution_count.h"
#include "engine/steps/fish_steps.h"
#include "engine/steps/locked_candidates.h"
#include "engine/steps/puzzle_rating.h"
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
        text += text.empty() ? "" : " ";
        text += std::to_string(e.cell) + "=" + std::to_string(e.digit);
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
    {Technique::NakedSingle,
     "7.8...3...3.651...5..738....4.....263...8.......1...93.9.2....4....7.5...........", "32=9",
     ""},
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
     ".621...79147695382.892..1.6498521...6719348252537..9147348.2.9192.31...881.4.92..", "",
     "80=5"},
    {Technique::UniqueRectangle,
     "...916382369825147218374965692543718...29.65454.68.239...159..6...46...3..673...1", "",
     "39=1 39=7"},
    {Technique::Skyscraper,
     "..6...7.1..4...53..85....6.6.29.1....1.2.7..5....3.21..2...8.5.8.1.29....6..7....", "",
     "49=5"},
    {Technique::TwoStringKite,
     "5..2..3......8..9...2.34..66..1..9...1.....4...7..3..87..3..4...9..7..2...5..6..9", "",
     "40=9"},
    {Technique::TurbotFish,
     "528916734...2.38.....4.8..27.2564.81..6891.27.8.327.4.2.468.17367.1324.881374.26.", "",
     "54=5"},
    {Technique::GroupedTurbotFish,
     "7.65.3..1...7.1...1.5962.7...2817.......391...1..25...359278.1.268194.5.471356.9.", "",
     "52=3 54=3"},
    {Technique::XChain,
     "4.2....19.1..92...9...14327..126.9..2..439..1694..12.3746.231..18..764.2.2914....", "",
     "33=8"},
    {Technique::BugPlusOne,
     "81925637457284316934691728515.3..9.62.......86.84....1465739812781524693923...457", "41=7",
     ""},
    {Technique::XYChain,
     "391462758584379216726851493..57.8.6..1.5........19.5..173984625852617934469235...", "",
     "44=7"},
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
        SCOPED_TRACE(row.board);
        const DigitGrid digits = digitsOf(row.board);
        DigitGrid solution{};
        ASSERT_EQ(JudgeSolutions(digits, solution), Solutions::One);
        const HintGrid grid = HintGrid::FromDigits(digits);
        const std::optional<Step> step = FindEasiestStep(grid, &solution);
        ASSERT_TRUE(step.has_value());
        EXPECT_EQ(step->technique, row.technique) << step->text;
        EXPECT_EQ(compact(step->place), row.place);
        EXPECT_EQ(compact(step->eliminate), row.eliminate);
        EXPECT_FALSE(step->cells.empty()) << "a viewer has no cells to mark";
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

// A direct form takes its single only from a unit of the kind the scale names: for a pointing
// another box, for a claiming another line of the same direction, for a hidden subset the
// set's own unit. A single anywhere else leaves the plain form, and a direct step keeps none of
// the removals it rests on.
TEST(StepTechniques, DirectFormsOnlyWithTheScalesUnit) {
    struct Row {
        const char* board;
        int subsetSize;  // 0 for locked candidates
        Technique technique;
    };
    const Row rows[] = {
        {".2..1....1..4..92.9.4.7.....37..2..1....4.....6.9...8....3.6...3428....7..6...8..", 0,
         Technique::DirectPointing},
        {"2653..8..8...5....9...82....26.73.8.183.2......781.2..6182359477491683523527..618", 0,
         Technique::Pointing},  // the single is in a row
        {"328...571476...2895..27846365....32.8.......77........1356.7892284..9736967382145", 0,
         Technique::Pointing},  // in a column
        {"62.519...17.46.92.9.427.....37682.918..14.....6193..8.7..3.6...342891..7..67.48..", 0,
         Technique::DirectClaiming},
        {"...23...832.85..9.5.8169.32193472..6.8.593147745681329.17348.65...91..7....72....", 0,
         Technique::Claiming},  // in a box
        {".4.9.738.9..3.8.548.36549..36217549845983....71849..3.23.7498...97281.43184563279", 0,
         Technique::Claiming},  // in a column, across the row
        {".2..1....1..4..92.9.4.7.....37..2..1....4.....6.9...8....3.6...3428....7..6...8..", 2,
         Technique::DirectHiddenPair},
        {"4589123676297.514.7136.452..4152.8732.54..916..71..25487.3.1.925..2...811.284..35", 2,
         Technique::HiddenPair},  // in a row and a box, not the pair's column
        {"62..1....1..4..92.9.4.7.....37..2..1....4.....6.9...8....3.6...3428....7..6...8..", 3,
         Technique::DirectHiddenTriple},
        {"67....294.3....67..2.67..3.8.9...7..3.6..74.2742.568..49...2..75.7439.2.2..7..94.", 3,
         Technique::HiddenTriple},  // in a row and a box, not the triple's column
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.board);
        const DigitGrid digits = digitsOf(row.board);
        DigitGrid solution{};
        ASSERT_EQ(JudgeSolutions(digits, solution), Solutions::One);
        const HintGrid grid = HintGrid::FromDigits(digits);
        const std::optional<Step> step = row.subsetSize == 0
                                             ? FindLockedCandidates(grid)
                                             : FindHiddenSubset(grid, row.subsetSize);
        ASSERT_TRUE(step.has_value());
        EXPECT_STREQ(InfoOf(step->technique).name, InfoOf(row.technique).name);
        const bool direct = InfoOf(row.technique).weight < InfoOf(Technique::Pointing).weight;
        EXPECT_EQ(step->place.size(), direct ? 1U : 0U) << step->text;
        EXPECT_EQ(step->eliminate.empty(), direct) << step->text;
        for (const CellDigit& p : step->place) {
            EXPECT_EQ(solution[p.cell], p.digit);
        }
    }
}

// The step finder stops at the first finder that cannot beat the step in hand, so the finders
// must come lightest first.
TEST(StepTechniques, FindersInOrderOfTheirLeastWeight) {
    int last = 0;
    for (const Technique t : FinderOrder()) {
        EXPECT_GE(InfoOf(t).weight, last) << InfoOf(t).name;
        last = InfoOf(t).weight;
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

// A forcing chain takes everything its source proves, not only its shortest conclusion: here
// both digits of row 5, column 4 remove 1 from five cells and 7 from a sixth.
TEST(StepTechniques, AForcingChainTakesEverythingItsSourceProves) {
    const DigitGrid digits = digitsOf(
        ".524.........7.1..............8.2...3.....6...9.5.....1.6.3...........897........");
    DigitGrid solution{};
    ASSERT_EQ(JudgeSolutions(digits, solution), Solutions::One);
    const Explanation explanation = ExplainPuzzle(digits);
    const auto chain =
        std::find_if(explanation.steps.begin(), explanation.steps.end(),
                     [](const Step& s) { return s.technique == Technique::ForcingChain; });
    ASSERT_NE(chain, explanation.steps.end());
    EXPECT_EQ(compact(chain->eliminate), "39=1 41=1 44=1 45=1 50=1 69=7") << chain->text;
    for (const CellDigit& e : chain->eliminate) {
        EXPECT_NE(solution[e.cell], e.digit);
    }
}

}  // namespace
}  // namespace ninefold::steps
