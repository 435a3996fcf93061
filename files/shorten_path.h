// The caption form of a recent file's path: directories after the drive (or the root "/")
// left out and marked "...", so the caption fits a given width.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ninefold {

// Width of a text in pixels, in the font the caption is shown in.
using MeasureText = std::function<int(std::string_view)>;

// The candidates from shortest to the path itself. A path with a drive letter (or one that
// uses only "\") keeps the drive form: the first three characters are the drive and "\" the
// separator, C:\Games\Puzzles\easy.nfd giving C:\...\easy.nfd, C:\Games\...\easy.nfd and the
// path. Any other path uses "/" as the separator and its leading "/" as the drive.
std::vector<std::string> ShortenPathCandidates(std::string_view path);

// The text after the last separator, or the whole path when it has none.
std::string_view FileNameOfPath(std::string_view path);

// The last candidate no wider than maxLength before the first that is wider; the path itself
// when all fit; the bare file name when not even the first fits.
std::string ShortenPath(std::string_view path, int maxLength, const MeasureText& measure);

}  // namespace ninefold
