// The board as one line of text: the keys that copy and paste it, the line put on the
// clipboard, the line read back from a paste or a text drop, and how a text drop is taken.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "engine/board.h"

class QDropEvent;

namespace ninefold {

// "The clipboard holds no puzzle." in the player's language.
std::string NoPuzzleText();

// Shift+Insert and Ctrl+V.
bool IsPasteKey(int keyCode, int shift);
// Ctrl+Insert and Ctrl+Shift+C; Ctrl+C alone stays the Check Diagram shortcut.
bool IsCopyKey(int keyCode, int shift);

// Every digit on the board as one line, with its line break.
QString BoardLineText(const Board& board);
// The puzzle a pasted or dropped text holds, or nothing when it holds anything else.
std::optional<CellGrid> PuzzleFromText(const QString& text);

enum class TextDrag { NotText, Refused, Copied };

// Takes a text drag or drop as a copy, never a move: the text stays where the player dragged
// it from. Anything but text (files, links) is NotText and left to the file drop's handling.
TextDrag TakeTextAsCopy(QDropEvent* event);

}  // namespace ninefold
