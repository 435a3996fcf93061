// The templates of every text the step solver tells the player: the hint's sentences, its
// refusals, its clue, the techniques' names and the words they are built from.
#pragma once

#include "engine/text_template.h"

namespace ninefold::steps::texts {

// --- the words of a sentence: cells, units and lists -------------------------------------
//: A cell: %1 is its row, %2 its column, both 1 to 9.
inline constexpr TextTemplate kCell{NINEFOLD_TEXT("StepWords", "row %1, column %2")};
inline constexpr TextTemplate kRow{NINEFOLD_TEXT("StepWords", "row %1")};
inline constexpr TextTemplate kColumn{NINEFOLD_TEXT("StepWords", "column %1")};
inline constexpr TextTemplate kBox{NINEFOLD_TEXT("StepWords", "box %1")};
//: Several rows or columns of the grid; %1 lists their numbers ("1, 4 and 7"). %n: how many.
inline constexpr TextTemplate kRows{NINEFOLD_COUNTED_TEXT("StepWords", "row(s) %1"), "row %1",
                                    "rows %1"};
inline constexpr TextTemplate kColumns{NINEFOLD_COUNTED_TEXT("StepWords", "column(s) %1"),
                                       "column %1", "columns %1"};
//: Cells of one row: %1 the row, %2 their columns ("1–3 and 7"). %n: how many columns.
inline constexpr TextTemplate kCellsInRow{
    NINEFOLD_COUNTED_TEXT("StepWords", "row %1, column(s) %2"), "row %1, column %2",
    "row %1, columns %2"};
//: Cells of one column: %1 their rows ("2 and 5"), %2 the column.
inline constexpr TextTemplate kCellsInColumn{NINEFOLD_TEXT("StepWords", "rows %1, column %2")};
//: The four corners of a rectangle: rows %1 and %2, columns %3 and %4.
inline constexpr TextTemplate kRectangle{
    NINEFOLD_TEXT("StepWords", "rows %1 and %2, columns %3 and %4")};
//: A run of consecutive numbers, as in "columns 1–3".
inline constexpr TextTemplate kRange{NINEFOLD_TEXT("StepWords", "%1\u2013%2")};
//: Lists: %1 the items so far, %2 the next one. "3, 5" then "3, 5 and 7".
inline constexpr TextTemplate kListNext{NINEFOLD_TEXT("StepWords", "%1, %2")};
inline constexpr TextTemplate kListLast{NINEFOLD_TEXT("StepWords", "%1 and %2")};
//: The last of alternatives: "4 or 6", "2, 4 or 6".
inline constexpr TextTemplate kListLastAlternative{NINEFOLD_TEXT("StepWords", "%1 or %2")};
//: Groups of cells or of removals that hold lists themselves: "row 1, columns 1–3; row 4".
inline constexpr TextTemplate kGroupNext{NINEFOLD_TEXT("StepWords", "%1; %2")};
//: Candidates a step removes: %1 the digits ("7 and 8"), %2 the cells. %n: how many digits.
inline constexpr TextTemplate kDigitsLeave{NINEFOLD_COUNTED_TEXT("StepWords", "%1 leave(s) %2"),
                                           "%1 leaves %2", "%1 leave %2"};

// --- a step and the hint's frame --------------------------------------------------------
//: A step of a hint: %1 the technique's name, %2 what it shows.
inline constexpr TextTemplate kStep{NINEFOLD_TEXT("Steps", "%1: %2.")};
//: Every step of a hint after the first: %1 is that step, its name starting in lower case.
inline constexpr TextTemplate kThen{NINEFOLD_TEXT("Steps", "Then %1")};
//: The clue: where to look (%1: a unit, or "the 4s") and the technique (%2), in lower case
//: unless its name is spelled with capitals. Two forms only for English's "a" and "an".
inline constexpr TextTemplate kClueA{NINEFOLD_TEXT("Hints", "Look at %1: a %2.")};
inline constexpr TextTemplate kClueAn{NINEFOLD_TEXT("Hints", "Look at %1: an %2.")};
//: In the clue, every place of digit %1 in the grid.
inline constexpr TextTemplate kClueDigit{NINEFOLD_TEXT("Hints", "the %1s")};
//: The hint refuses: %1 a digit that repeats in one row or column, %2 its cells (which name
//: that row or column).
inline constexpr TextTemplate kClash{
    NINEFOLD_TEXT("Hints", "Some digits clash: %1 repeats in %2.")};
//: The hint refuses: %1 a digit, %2 the box it repeats in, %3 its cells.
inline constexpr TextTemplate kClashInBox{
    NINEFOLD_TEXT("Hints", "Some digits clash: %1 repeats in %2: %3.")};
//: The hint refuses: the player's digit %1 in cell %2 is not the solution's.
inline constexpr TextTemplate kWrongDigit{NINEFOLD_TEXT("Hints", "The %1 in %2 cannot be right.")};
inline constexpr TextTemplate kNoSolution{
    NINEFOLD_TEXT("Hints", "No solution keeps the digits on the board.")};
inline constexpr TextTemplate kSeveralSolutions{NINEFOLD_TEXT(
    "Hints",
    "The digits on the board allow more than one solution, so no step follows from them.")};
inline constexpr TextTemplate kComplete{
    NINEFOLD_TEXT("Hints", "Every cell is filled: there is no step left.")};

// --- what each technique shows ------------------------------------------------------------
//: %1 a cell, %2 its row, column or box, %3 the digit.
inline constexpr TextTemplate kFullHouse{
    NINEFOLD_TEXT("Steps", "%1 is the last empty cell of %2, so it takes %3")};
//: %1 a cell, %2 the one digit left for it.
inline constexpr TextTemplate kNakedSingle{NINEFOLD_TEXT("Steps", "%1 can hold only %2")};
//: %1 a digit, %2 a cell, %3 the row, column or box.
inline constexpr TextTemplate kHiddenSingle{
    NINEFOLD_TEXT("Steps", "%1 can go only in %2 within %3")};
//: %1 a box or line, %2 a digit, %3 the line or box its places there lie in, %4 what follows:
//: a hidden single or the removed candidates.
inline constexpr TextTemplate kLocked{
    NINEFOLD_TEXT("Steps", "in %1, the digit %2 lies only in %3, so %4")};
//: %1 a unit, %2 the cells there, %3 the digits, %4 the removed candidates.
inline constexpr TextTemplate kNakedSubset{
    NINEFOLD_TEXT("Steps", "in %1, %2 hold only the digits %3, so %4")};
//: %1 a unit, %2 the digits, %3 the cells they must fill, %4 the removed candidates.
inline constexpr TextTemplate kHiddenSubset{
    NINEFOLD_TEXT("Steps", "in %1, the digits %2 must fill %3, so %4")};
//: As the hidden subset, then the single it leads to: digit %4 in cell %5.
inline constexpr TextTemplate kDirectHiddenSubset{
    NINEFOLD_TEXT("Steps", "in %1, the digits %2 must fill %3, so %4 can go only in %5")};
//: %1 a digit, %2 the rows (or columns) it lies in, %3 the columns (or rows), %4 the removals.
inline constexpr TextTemplate kFish{NINEFOLD_TEXT("Steps", "%1 lies in %2 only within %3, so %4")};
//: Two strong links of digit %2: in unit %1 its places %3 and %4, in unit %5 its places %6
//: and %7; %3 and %6 see each other. %8 the removals.
inline constexpr TextTemplate kTwoStrongLinks{
    NINEFOLD_TEXT("Steps",
                  "in %1, %2 can go only in %3 or %4, and in %5 only in %6 or %7; as %3 and %6 "
                  "cannot both hold %2, either %4 or %7 holds it, so %8")};
//: A cell with its candidates: %1 the cell, %2 the digits.
inline constexpr TextTemplate kCellWithCandidates{NINEFOLD_TEXT("StepWords", "%1 (%2)")};
//: %1 the pivot, %2 and %3 the pincers, each with its candidates; %4 a digit, %5 the removals.
inline constexpr TextTemplate kXYWing{
    NINEFOLD_TEXT("Steps", "pivot %1 with %2 and %3: one of the pincers holds %4, so %5")};
inline constexpr TextTemplate kXYZWing{
    NINEFOLD_TEXT("Steps", "pivot %1 with %2 and %3: one of the three holds %4, so %5")};
//: %1 and %2 the chain's ends, %3 the digit, %4 the chain, %5 the removals.
inline constexpr TextTemplate kChain{
    NINEFOLD_TEXT("Steps", "either %1 or %2 holds %3 (the chain %4), so %5")};
//: Unique rectangle: %1 the corners, %2 the two digits, %3 the cell, %4 the removals.
inline constexpr TextTemplate kRectangleOneCell{
    NINEFOLD_TEXT("Steps", "%1 would let %2 swap places unless %3 holds another digit, so %4")};
//: %1 the corners, %2 the two digits, %3 the extra digit, %4 and %5 two cells, %6 removals.
inline constexpr TextTemplate kRectangleExtraDigit{
    NINEFOLD_TEXT("Steps", "%1 would let %2 swap places unless %3 is in %4 or %5, so %6")};
//: %1 the corners, %2 the two digits, %3 two cells, %4 their extra digits, %5 other cells,
//: %6 the unit, %7 the digits that fill them, %8 the removals.
inline constexpr TextTemplate kRectangleSubset{
    NINEFOLD_TEXT("Steps",
                  "%1 would let %2 swap places unless %3 hold %4, which with %5 fill "
                  "those cells of %6 with %7, so %8")};
//: %1 the corners, %2 the two digits, %3 two cells, %4 one digit of the two, %5 the other,
//: %6 the unit, %7 the removals.
inline constexpr TextTemplate kRectangleLocked{
    NINEFOLD_TEXT("Steps",
                  "%1 would let %2 swap places unless %3 hold %4; as %5 must be in "
                  "one of them in %6, %7")};
//: %1 a digit, %2 the one cell with three candidates.
inline constexpr TextTemplate kBugPlusOne{
    NINEFOLD_TEXT("Steps",
                  "every other empty cell has two candidates, and without %1 in %2 "
                  "each digit would have two places in every unit, so %2 takes %1")};
//: The forcing chain's start: %1 a cell, %2 its candidates as alternatives.
inline constexpr TextTemplate kEachDigitOf{NINEFOLD_TEXT("Steps", "each digit %1 can hold, %2,")};
//: The forcing chain's start: %1 a digit, %2 a unit, %3 the digit's places there.
inline constexpr TextTemplate kEachPlaceOf{NINEFOLD_TEXT("Steps", "each place of %1 in %2 (%3)")};
//: %1 the forcing chain's start, %2 the digits it leads to, %3 the placements.
inline constexpr TextTemplate kForcingPlaces{NINEFOLD_TEXT("Steps", "%1 leads to %2, so %3")};
//: %1 the forcing chain's start, %2 the digits it leads to, %3 the placements, %4 the removals
//: beyond those the placements imply.
inline constexpr TextTemplate kForcingPlacesAndRemovals{
    NINEFOLD_TEXT("Steps", "%1 leads to %2, so %3, and %4")};
inline constexpr TextTemplate kForcingRemovals{
    NINEFOLD_TEXT("Steps", "%1 leads to the same removals, so %2")};
//: In a forcing chain: digit %1 in cell %2.
inline constexpr TextTemplate kDigitInCell{NINEFOLD_TEXT("StepWords", "%1 in %2")};
//: In a forcing chain: cell %1 takes digit %2.
inline constexpr TextTemplate kCellTakes{NINEFOLD_TEXT("StepWords", "%1 takes %2")};
//: %1 a digit, %2 a cell, %n how many placements it took to reach the contradiction.
inline constexpr TextTemplate kTrial{
    NINEFOLD_COUNTED_TEXT(
        "Steps", "%1 in %2 forces a contradiction after %n placement(s), so %1 leaves that cell"),
    "%1 in %2 forces a contradiction after %n placement, so %1 leaves that cell",
    "%1 in %2 forces a contradiction after %n placements, so %1 leaves that cell"};
//: %1 a cell, %2 the digit it cannot hold.
inline constexpr TextTemplate kTrialBySearch{
    NINEFOLD_TEXT("Steps",
                  "no logical step was found; a search of every way of completing the grid proves "
                  "that %1 cannot hold %2, so %2 leaves that cell")};

// --- the techniques' names, in the order of Technique -------------------------------------
inline constexpr TextTemplate kTechniqueNames[] = {
    {NINEFOLD_TEXT("Techniques", "Full house")},
    {NINEFOLD_TEXT("Techniques", "Hidden single")},
    {NINEFOLD_TEXT("Techniques", "Hidden single")},
    {NINEFOLD_TEXT("Techniques", "Direct pointing")},
    {NINEFOLD_TEXT("Techniques", "Direct claiming")},
    {NINEFOLD_TEXT("Techniques", "Direct hidden pair")},
    {NINEFOLD_TEXT("Techniques", "Naked single")},
    {NINEFOLD_TEXT("Techniques", "Direct hidden triple")},
    {NINEFOLD_TEXT("Techniques", "Pointing")},
    {NINEFOLD_TEXT("Techniques", "Claiming")},
    {NINEFOLD_TEXT("Techniques", "Naked pair")},
    {NINEFOLD_TEXT("Techniques", "X-wing")},
    {NINEFOLD_TEXT("Techniques", "Hidden pair")},
    {NINEFOLD_TEXT("Techniques", "Naked triple")},
    {NINEFOLD_TEXT("Techniques", "Swordfish")},
    {NINEFOLD_TEXT("Techniques", "Hidden triple")},
    {NINEFOLD_TEXT("Techniques", "Skyscraper")},
    {NINEFOLD_TEXT("Techniques", "Two-string kite")},
    {NINEFOLD_TEXT("Techniques", "Turbot fish")},
    {NINEFOLD_TEXT("Techniques", "XY-wing")},
    {NINEFOLD_TEXT("Techniques", "Grouped turbot fish")},
    {NINEFOLD_TEXT("Techniques", "XYZ-wing")},
    {NINEFOLD_TEXT("Techniques", "Unique rectangle")},
    {NINEFOLD_TEXT("Techniques", "Naked quad")},
    {NINEFOLD_TEXT("Techniques", "Jellyfish")},
    {NINEFOLD_TEXT("Techniques", "Hidden quad")},
    {NINEFOLD_TEXT("Techniques", "X-chain")},
    {NINEFOLD_TEXT("Techniques", "BUG+1")},
    {NINEFOLD_TEXT("Techniques", "XY-chain")},
    {NINEFOLD_TEXT("Techniques", "Forcing chain")},
    {NINEFOLD_TEXT("Techniques", "Trial")},
    {NINEFOLD_TEXT("Techniques", "Trial by search")},
};

}  // namespace ninefold::steps::texts
