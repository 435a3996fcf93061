// check: the Check Diagram report and the cells it left yellow, as one JSON object a line.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/each_puzzle.h"
#include "engine/conflicts.h"
#include "engine/diagram_check.h"

namespace ninefold::cli {

namespace {

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        switch (ch) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                if (static_cast<unsigned char>(ch) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x",
                                  static_cast<unsigned>(static_cast<unsigned char>(ch)));
                    out += escaped;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

std::string markedCells(const Board& board) {
    std::string list = "[";
    for (int i = 1; i <= kCellCount; ++i) {
        if (board.Background(i) == BackColour::Yellow) {
            list += list.size() > 1 ? ", " : "";
            list += std::to_string(i);
        }
    }
    return list + "]";
}

}  // namespace

int RunCheck(const Arguments& args) {
    return AnswerEachPuzzle(args, "check", [](Board& board, bool& solved) {
        const std::string text = CheckDiagram(board);
        solved = CountMissingDigits(board) == 0;
        return "{\"text\": " + jsonString(text) + ", \"marked\": " + markedCells(board) + "}";
    });
}

}  // namespace ninefold::cli
