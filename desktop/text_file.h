// Whole-file reads and atomic writes of the small UTF-8 files the association keeps.
#pragma once

#include <QString>
#include <optional>

namespace ninefold {

// nullopt when the file is missing or unreadable.
std::optional<QString> ReadTextFile(const QString& path);
// True when the file exists but can't be read: its contents are unknown, so it must not be
// rewritten or removed.
bool IsUnreadable(const QString& path);
// Creates the missing folders, writes beside the file and renames it into place, so a reader
// never sees half a file. False when anything failed; the old file is then untouched.
bool WriteTextFile(const QString& path, const QString& text);

}  // namespace ninefold
