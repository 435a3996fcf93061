// Help texts, kept together so the tool's whole interface reads in one place.
#include "cli/help.h"

namespace ninefold::cli {

namespace {

constexpr const char* kOverview =
    R"(Usage: ninefold-cli COMMAND [ARGUMENTS]

Solves, checks and generates 9x9 number-placement puzzles with the Ninefold
engine.

Commands:
  solve [FILE...]         complete each puzzle: forced cells, then the search
  deduce [FILE...]        fill each puzzle's forced cells only
  check [FILE...]         the Check Diagram report of each grid, as JSON
  count [--limit N] [FILE...]
                          the number of solutions of each puzzle, up to N
  generate [--level L] [OPTIONS]
                          new puzzles: the game's, or at a level
  convert IN OUT          a text puzzle to a .nfd puzzle file or back
  rate [FILE...]          the difficulty of each puzzle from its logical steps
  explain [--json] [FILE...]
                          each puzzle's logical steps in words, and its rating

Input: the files named, or standard input when none is named or a name is '-'.
A file whose name ends in .nfd is a puzzle file holding one board. Any other
file is text, one puzzle per line: blanks may come first, then 81 cells, each
'1'-'9' (a given), '0' or '.' (empty); then the line ends, or goes on after a
blank or tab, so a digit or '.' right after the 81st cell spoils the line. A
byte-order mark at the start of a file is skipped, and so are blank lines and
lines starting with '#'. A line holding a control character other than tab
(NUL, a lone CR, ...) cannot be used.

Exit status: 0 when every puzzle ended solved, 1 when some did not, 2 for input
that could not be used (each such line or file is named on standard error).

Run 'ninefold-cli COMMAND --help' for one command, 'ninefold-cli --version' for
the version.
)";

constexpr const char* kSolve =
    R"(Usage: ninefold-cli solve [FILE...]

Completes each puzzle as the game's Solve command does: forced cells first,
then the search when digits are still missing. Prints one line per puzzle:
  BOARD STATUS
BOARD is the 81 cells as the command leaves them, a digit or '.'.
STATUS is one of
  solved        the grid is complete and correct
  no-solution   the search tried every option without success
  clash         a digit repeats in a row, column or box: no search was made
  dead-cell     an empty cell can take no digit: no search was made

Exit status: 0 when every puzzle was solved, 1 when some was not, 2 for
unusable input.
)";

constexpr const char* kDeduce =
    R"(Usage: ninefold-cli deduce [FILE...]

Fills the cells that single-candidate deduction forces (hidden and naked
singles, repeated until nothing more is forced) and prints each board as one
line of 81 characters, a digit or '.'.

Exit status: 0 when deduction completed every puzzle, 1 when some stayed
incomplete or wrong, 2 for unusable input.
)";

constexpr const char* kCheck =
    R"(Usage: ninefold-cli check [FILE...]

Runs the game's Check Diagram on each grid and prints one JSON object per line:
  {"text": REPORT, "marked": [CELLS]}
REPORT is the message exactly, its line breaks as \r\n. CELLS are the cell
numbers (1-81, row by row) whose background the check left yellow, ascending.

Exit status: 0 when every grid is complete and correct, 1 when some is not, 2
for unusable input.
)";

constexpr const char* kCount =
    R"(Usage: ninefold-cli count [--limit N] [FILE...]

Counts the complete, correct grids that keep every digit of each puzzle, and
prints one line per puzzle: the count, or N followed by '+' when there are N or
more (counting stops there). N is 1 or more, 2 by default, so "1" means exactly
one solution and "2+" more than one. A puzzle whose digits already clash
counts 0.

Exit status: 0 when every puzzle has a solution, 1 when some has none, 2 for
unusable input.
)";

constexpr const char* kGenerate =
    R"(Usage: ninefold-cli generate [--count N] [--seed S]
       ninefold-cli generate --level L [--symmetry Y] [--count N] [--seed S]

Generates N puzzles (default 1) as the game's Generate command does and
prints one line each:
  GIVENS SOLUTION FAILED
GIVENS holds the given digits and '.' elsewhere, SOLUTION the complete grid,
FAILED the number of attempts that were thrown away first.

--level L     makes each puzzle at level L instead: easy, medium, hard or
              diabolical, as rate grades puzzles. From a random complete
              grid, givens are taken away in random order while the puzzle
              keeps one solution, until none can go; a puzzle at another
              level is dropped and a new grid tried. One line each:
                GIVENS SOLUTION ER/EP/ED LEVEL
              with the rating as rate prints it.
--symmetry Y  with --level: rotational (the default) takes each given away
              with its mirror under a half turn of the grid; none takes it
              alone.

The same seed S gives the same lines; without one the clock chooses it.
)";

constexpr const char* kConvert =
    R"(Usage: ninefold-cli convert IN OUT

Converts one puzzle. When OUT ends in .nfd, writes it as a puzzle file (digits
and given flags); otherwise writes the board as one text line of 81 characters
('-' for standard output), every digit as a given. IN is read like any input: a
.nfd puzzle file or text holding exactly one puzzle ('-' for standard input).
)";

constexpr const char* kRate =
    R"(Usage: ninefold-cli rate [FILE...]

Works each puzzle through by logic alone, always taking the easiest step there
is, and prints one line per puzzle:
  PUZZLE ER/EP/ED LEVEL
PUZZLE is the puzzle's 81 cells, a digit or '.'. ER is the weight of the
hardest step, EP of the hardest step up to the one that places the first digit,
ED of the first step. LEVEL follows from ER: easy below 1.5, medium below 2.5,
hard below 5.0, diabolical from 5.0. A full board rates 0.0/0.0/0.0 easy.
A puzzle that cannot be rated prints one of
  PUZZLE no-solution          no grid completes it, or its digits clash
  PUZZLE multiple-solutions   more than one grid does

Weights: full house 1.0, hidden single 1.2 in a box and 1.5 in a row or column,
direct pointing 1.7, direct claiming 1.9, direct hidden pair 2.0, naked single
2.3, direct hidden triple 2.5, pointing 2.6, claiming 2.8, naked pair 3.0,
X-wing 3.2, hidden pair 3.4, naked triple 3.6, swordfish 3.8, hidden triple
4.0, skyscraper 4.0, two-string kite and turbot fish 4.1 (4.2 with two box
links), XY-wing 4.2, grouped turbot fish 4.3, XYZ-wing 4.4, unique rectangle
4.5, naked quad 5.0, jellyfish 5.2, hidden quad 5.4, X-chain 5.7-6.6, BUG+1
5.8, XY-chain 6.0-6.9, forcing chain 7.0-8.9, trial 9.0-9.9, trial by search
10.0. Chains and trials weigh more the longer they are. Below 5.0 these are the
standard scale's techniques and weights; above 5.0 they are ours, and an ER
there may differ from other raters'.

A direct form places one digit and keeps none of the removals it rests on:
- direct pointing: once the digit leaves the line, another box along the line
  has one place left for it;
- direct claiming: once the digit leaves the box, another line of the same
  direction through the box has one place left for it;
- direct hidden pair or triple: once the set's cells lose their other digits,
  a digit outside the set has one place left in the set's own unit.

explain, and the game's hint key, give each step a clue first: the technique
and the unit or digit to look at, with no cell and no digit to write.

Exit status: 0 when every puzzle was rated, 1 when some has no solution or
several, 2 for unusable input.
)";

constexpr const char* kExplain =
    R"(Usage: ninefold-cli explain [--json] [FILE...]

Works each puzzle through as rate does and prints, after a line holding the
puzzle, its steps in words, numbered, cells named as "row 3, column 5", then
"Rating: ER/EP/ED LEVEL" and a blank line. Each step takes two lines: its clue,
the technique and where to look ("Look at box 7: a hidden single."), then the
step itself. A puzzle that cannot be rated prints "PUZZLE no-solution" or
"PUZZLE multiple-solutions" and a blank line.

--json  one JSON object per puzzle per line instead:
  {"puzzle": PUZZLE, "status": STATUS, "rating": RATING, "steps": [STEP, ...]}
STATUS is "solved", "no-solution" or "multiple-solutions"; RATING is {"er": ER,
"ep": EP, "ed": ED, "level": LEVEL}, or null with no steps when the puzzle is
not solved. Each STEP is
  {"technique": NAME, "weight": W, "clue": CLUE, "text": TEXT,
   "place": [[CELL, DIGIT], ...], "eliminate": [[CELL, DIGIT], ...],
   "cells": [CELL, ...]}
with cells numbered 1-81 row by row. "cells" holds the cells the step rests on,
for a viewer to mark: a single's cell, the locked cells, a set, a fish's base
cells, a wing's pivot and pincers, a chain's cells, a forcing chain's source.

Exit status: as for rate.
)";

}  // namespace

const char* HelpText(std::optional<Command> command) {
    if (!command) {
        return kOverview;
    }
    switch (*command) {
        case Command::Solve:
            return kSolve;
        case Command::Deduce:
            return kDeduce;
        case Command::Check:
            return kCheck;
        case Command::Count:
            return kCount;
        case Command::Generate:
            return kGenerate;
        case Command::Convert:
            return kConvert;
        case Command::Rate:
            return kRate;
        case Command::Explain:
            return kExplain;
    }
    return kOverview;
}

}  // namespace ninefold::cli
