// The .nfd puzzle file: 81 records of a digit byte and a little-endian 16-bit Fixed flag,
// cell 1 first, 243 bytes, nothing else.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/board.h"

namespace ninefold {

constexpr std::size_t kPuzzleFileSize = 243;
using PuzzleBytes = std::array<uint8_t, kPuzzleFileSize>;

PuzzleBytes EncodePuzzle(const CellGrid& grid);

// Lenient as the game has always been: a digit above 9 reads as empty, any non-zero Fixed
// as true, an empty cell is never Fixed, bytes after the 243rd are ignored. nullopt when
// fewer than 243 bytes are given.
std::optional<CellGrid> DecodePuzzle(std::span<const uint8_t> bytes);

struct PuzzleRead {
    std::optional<CellGrid> grid;  // set when the whole record was read
    std::string error;             // why not, for a message naming the file
};

// Reads the whole record before anything else happens, so a failed read changes nothing.
PuzzleRead ReadPuzzleFile(const std::filesystem::path& path);

// Reads the file whole, then writes all 81 cells through the Board on white. On any failure
// (missing, unreadable, a folder, shorter than a puzzle) the board is left exactly as it was
// and the reason is returned; empty text on success.
std::string LoadPuzzle(Board& board, const std::filesystem::path& path);

// A free text naming a puzzle file (a command line, a drop) as a path: every double quote
// removed, wherever it stands; nothing else changes.
std::string PathFromText(std::string_view text);

// Writes to a temporary file beside the target and renames it over the target, so a failed
// or interrupted save never leaves a half-written file and an old file keeps its contents.
// Returns an empty text on success, otherwise the reason.
std::string WritePuzzleFile(const std::filesystem::path& path, const CellGrid& grid);

}  // namespace ninefold
