// Paths between Qt's text and the 8-bit text and file-system paths of the plain file code.
// The list file holds local 8-bit text (UTF-8 on Linux), as Qt's local codec gives it.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace ninefold {

std::string ToLocal8Bit(const QString& text);
QString FromLocal8Bit(std::string_view text);
std::filesystem::path ToFsPath(const QString& path);

// Equal when the lower-case forms are equal, for letters of every script.
bool SamePathAnyCase(std::string_view a, std::string_view b);

}  // namespace ninefold
