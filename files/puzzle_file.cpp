// Encoding, decoding and the safe reading and writing of puzzle files.
#include "files/puzzle_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#include "files/atomic_write.h"

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
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return {std::nullopt, "it is a folder"};
    }
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (file == nullptr) {
        return {std::nullopt, std::strerror(errno)};
    }
    PuzzleBytes bytes{};
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return {std::nullopt, "it could not be read"};
    }
    if (got < kPuzzleFileSize) {
        return {std::nullopt, "it holds " + std::to_string(got) + " bytes, not the " +
                                  std::to_string(kPuzzleFileSize) + " of a puzzle"};
    }
    return {DecodePuzzle(bytes), {}};
}

std::string WritePuzzleFile(const std::filesystem::path& path, const CellGrid& grid) {
    const PuzzleBytes bytes = EncodePuzzle(grid);
    return WriteFileAtomically(path, std::span<const uint8_t>(bytes.data(), bytes.size()));
}

}  // namespace ninefold
