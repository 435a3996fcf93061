// The templates of every message the game's own commands build in the engine: the Check
// Diagram report, Solve, Generate and New. The window hands in their translations.
#pragma once

#include "engine/text_template.h"

namespace ninefold::texts {

// --- the Check Diagram report: three numbered stages, then the units that fall short -------
//: Stage 1 of the grid check: filled cells whose digit repeats in its row, column or box.
inline constexpr TextTemplate kClashesFound{
    NINEFOLD_COUNTED_TEXT("CheckDiagram", "%n error(s) found in entries!"),
    "%n error found in entries!", "%n errors found in entries!"};
inline constexpr TextTemplate kEntriesMatched{NINEFOLD_TEXT("CheckDiagram", "Entries matched.")};
//: Stage 2 of the grid check: empty cells where no digit can go any more.
inline constexpr TextTemplate kLogicalErrorsFound{
    NINEFOLD_COUNTED_TEXT("CheckDiagram", "%n logical error(s) found!"), "%n logical error found!",
    "%n logical errors found!"};
inline constexpr TextTemplate kNoLogicalError{
    NINEFOLD_TEXT("CheckDiagram", "No logical error found.")};
//: Stage 3 of the grid check: the list of boxes, rows and columns that lack digits follows.
inline constexpr TextTemplate kCorrectTheseErrors{
    NINEFOLD_TEXT("CheckDiagram", "Correct this errors:")};
//: %1 is a box as "band,stack" (for example 2,3); %n how many digits it lacks.
inline constexpr TextTemplate kMissingInBox{
    NINEFOLD_COUNTED_TEXT("CheckDiagram", "Error at square %1 for %n times."),
    "Error at square %1 for %n times.", "Error at square %1 for %n times."};
//: %1 is the row's number, 1 to 9; %n how many digits it lacks.
inline constexpr TextTemplate kMissingInRow{
    NINEFOLD_COUNTED_TEXT("CheckDiagram", "Error at row %1 for %n times."),
    "Error at row %1 for %n times.", "Error at row %1 for %n times."};
//: %1 is the column's number, 1 to 9; %n how many digits it lacks.
inline constexpr TextTemplate kMissingInColumn{
    NINEFOLD_COUNTED_TEXT("CheckDiagram", "Error at col %1 for %n times."),
    "Error at col %1 for %n times.", "Error at col %1 for %n times."};

// --- Solve, Generate and New -------------------------------------------------------------
//: Shown by Check Diagram and by Solve when every cell is filled and nothing clashes.
inline constexpr TextTemplate kPuzzleSolved{NINEFOLD_TEXT("Messages", "Puzzle solved.")};
inline constexpr TextTemplate kAlreadySolved{NINEFOLD_TEXT("Messages", "This puzzle is solved.")};
//: Solve refuses: some digits clash.
inline constexpr TextTemplate kCheckEntries{NINEFOLD_TEXT("Messages", "Please check entries.")};
//: Solve refuses: some empty cell has no digit left that could go there.
inline constexpr TextTemplate kCheckLogicality{
    NINEFOLD_TEXT("Messages", "Please check logicality.")};
inline constexpr TextTemplate kNoSolution{
    NINEFOLD_TEXT("Messages", "This puzzle hasn't any solution!")};
//: Generate found a puzzle at the first attempt.
inline constexpr TextTemplate kGenerateReady{NINEFOLD_TEXT("Messages", "Ready.")};
//: Generate needed %n further attempts to find a puzzle.
inline constexpr TextTemplate kGenerateRetries{NINEFOLD_COUNTED_TEXT("Messages", "%n Retry(ies)!"),
                                               "%n Retry!", "%n Retries!"};
//: First line of the question before Game > New empties the board.
inline constexpr TextTemplate kEntriesWillBeLost{
    NINEFOLD_TEXT("Messages", "Manual entries will be lost.")};
//: Second line of the question before Game > New empties the board.
inline constexpr TextTemplate kAreYouSure{NINEFOLD_TEXT("Messages", "Are you sure?")};

}  // namespace ninefold::texts
