// Where the recent-files list and the Load and Save as dialogs live: beside the program when
// the player may write its folder, in the player's own folders when not.
#pragma once

#include <QString>

namespace ninefold {

inline constexpr const char* kRecentListName = "Recent Files.txt";

// The folder that holds the program. Tests point it elsewhere so the build folder's real list
// stays untouched.
QString ProgramFolder();
void SetProgramFolderForTesting(const QString& folder);
// folder + "Recent Files.txt", with one separator between them unless folder ends in one.
QString RecentListFileIn(const QString& folder);

// A program folder the player may write to (a build folder, a copy in their own folder) keeps
// the recent-files list beside the program and opens the dialogs there. An installed program's
// folder belongs to the system: the list would silently never be written, so it lives in the
// player's data folder instead (created when missing) and the dialogs open in the home folder.
bool ProgramFolderIsWritable();
QString RecentListPath();
QString DialogFolder();

}  // namespace ninefold
