// Check Diagram: clashing digits, then dead cells, then completeness, in one report.
#include "engine/diagram_check.h"

#include "engine/conflicts.h"
#include "engine/deduction.h"
#include "engine/game_texts.h"

namespace ninefold {

std::string CheckDiagram(Board& board, const TextSource& texts) {
    // Every mark of an earlier check goes first, so each clashing cell is counted again.
    board.RepaintCells();
    std::string text = "1- ";
    const int clashes = MarkDuplicates(board);
    text += clashes != 0 ? CountedSentence(texts, texts::kClashesFound, clashes)
                         : Sentence(texts, texts::kEntriesMatched);

    const int dead = MarkDeadCells(board);
    text += "\r\n2- ";
    text += dead != 0 ? CountedSentence(texts, texts::kLogicalErrorsFound, dead)
                      : Sentence(texts, texts::kNoLogicalError);

    std::string report;
    const int missing = CountMissingDigits(board, &report, texts);
    text += "\r\n3- ";
    text += missing != 0 ? Sentence(texts, texts::kCorrectTheseErrors) + "\r\n" + report
                         : Sentence(texts, texts::kPuzzleSolved);
    return text;
}

}  // namespace ninefold
