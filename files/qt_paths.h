// Paths between Qt's text and the 8-bit text and file-system paths of the plain file code.
// The recent list's entries are UTF-8.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace ninefold {

std::string ToLocal8Bit(const QString& text);
std::string ToUtf8(const QString& text);
QString FromUtf8(std::string_view text);
std::filesystem::path ToFsPath(const QString& path);

// Equal when the lower-case forms of the UTF-8 texts are equal, for letters of every script.
bool SamePathAnyCase(std::string_view a, std::string_view b);

}  // namespace ninefold
