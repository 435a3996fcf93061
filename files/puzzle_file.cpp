// Encoding, decoding and the safe reading and writing of puzzle files.
#include "files/puzzle_file.h"

#include "files/atomic_write.h"
#include "files/file_io.h"

namespace ninefold {

PuzzleBytes EncodePuzzle(const CellGrid& grid) {
    PuzzleBytes bytes{};
    for (std::size_t i = 0; i < grid.size(); ++i) {
        bytes[3 * i] = grid[i].Digit;
        const uint8_t flag = grid[i].Fixed ? 0xFF : 0x00;
        bytes[3 * i + 1] = flag;
        bytes[3 * i + 2] = flag;
    }
    return bytes;
}

std::optional<CellGrid> DecodePuzzle(std::span<const uint8_t> bytes) {
    if (bytes.size() < kPuzzleFileSize) {
        return std::nullopt;
    }
    CellGrid grid{};
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const uint8_t digit = bytes[3 * i] > 9 ? 0 : bytes[3 * i];
        const bool fixed = (bytes[3 * i + 1] | bytes[3 * i + 2]) != 0;
        grid[i] = {digit, digit != 0 && fixed};
    }
    return grid;
}

PuzzleRead ReadPuzzleFile(const std::filesystem::path& path) {
    FileBytes read = ReadFileStart(path, kPuzzleFileSize);
    if (!read.error.empty()) {
        return {std::nullopt, read.error};
    }
    if (read.bytes.size() < kPuzzleFileSize) {
        return {std::nullopt, "it holds " + std::to_string(read.bytes.size()) + " bytes, not the " +
                                  std::to_string(kPuzzleFileSize) + " of a puzzle"};
    }
    return {DecodePuzzle(read.bytes), {}};
}

std::string LoadPuzzle(Board& board, const std::filesystem::path& path) {
    PuzzleRead read = ReadPuzzleFile(path);
    if (read.grid) {
        board.WriteCells(*read.grid);
    }
    return read.error;
}

std::string PathFromText(std::string_view text) {
    std::string path;
    path.reserve(text.size());
    for (char c : text) {
        if (c != '"') {
            path += c;
        }
    }
    return path;
}

std::string WritePuzzleFile(const std::filesystem::path& path, const CellGrid& grid) {
    const PuzzleBytes bytes = EncodePuzzle(grid);
    return WriteFileAtomically(path, std::span<const uint8_t>(bytes.data(), bytes.size()));
}

}  // namespace ninefold
