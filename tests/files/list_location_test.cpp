// Which program folders keep the recent list and the dialogs beside the program: only a
// folder the player owns, or on Windows one a file can be made in. Any other stays the
// system's even when writable, and the list goes to the player's data folder.
#include <gtest/gtest.h>

#include <QDir>

#include "files/list_location.h"
#include "tests/files/temp_folder.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace ninefold {
namespace {

TEST(ListLocation, OnlyTheFolderThePlayerOwnsKeepsTheListBesideTheProgram) {
    test::TempFolder folder;
    const QString path = QString::fromStdString(folder.Path().string());
    SetProgramFolderForTesting(path);
    EXPECT_TRUE(ProgramFolderIsPlayers());
    EXPECT_EQ(DialogFolder(), path);
#ifdef _WIN32
    // The file that answered the question is gone again.
    EXPECT_TRUE(folder.Names().empty());
    // A folder no file can be made in (here, one that is not there) is not the player's.
    SetProgramFolderForTesting(path + QStringLiteral("\\gone"));
    EXPECT_FALSE(ProgramFolderIsPlayers());
    EXPECT_EQ(DialogFolder(), QDir::homePath());
    EXPECT_FALSE(RecentListPath().startsWith(path)) << RecentListPath().toStdString();
#else
    // Root may write every folder: only the owner tells a copy of its own from the system's.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(folder.Path().c_str(), 65534, 65534), 0);
        EXPECT_FALSE(ProgramFolderIsPlayers());
        EXPECT_EQ(DialogFolder(), QDir::homePath());
    }
#endif
    SetProgramFolderForTesting(QString());
}

}  // namespace
}  // namespace ninefold
