// Where the recent-files list and the Load and Save as dialogs live: beside the program when
// its folder is the player's own, in the player's own folders when it belongs to the system.
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

// A program folder that is the player's own (a build folder, a copy in their home) keeps the
// recent-files list beside the program and opens the dialogs there. An installed program's
// folder belongs to the system, even when the player may write it (root may write /usr/games):
// the list lives in the player's data folder instead (created when missing) and the dialogs
// open in the home folder. On Unix the player's own folder is one they own and may write,
// outside /usr; on Windows, where permission bits say little, one a file can be created in.
bool ProgramFolderIsPlayers();
QString RecentListPath();
QString DialogFolder();

}  // namespace ninefold
