// Which program folders keep the recent list and the dialogs beside the program: only a
// folder the player owns. One owned by someone else stays the system's even when writable.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>

#include "files/list_location.h"
#include "tests/files/temp_folder.h"

namespace ninefold {
namespace {

TEST(ListLocation, OnlyTheFolderThePlayerOwnsKeepsTheListBesideTheProgram) {
    test::TempFolder folder;
    const QString path = QString::fromStdString(folder.Path().string());
    SetProgramFolderForTesting(path);
    EXPECT_TRUE(ProgramFolderIsPlayers());
    EXPECT_EQ(DialogFolder(), path);
    // Root may write every folder: only the owner tells a copy of its own from the system's.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(folder.Path().c_str(), 65534, 65534), 0);
        EXPECT_FALSE(ProgramFolderIsPlayers());
        EXPECT_EQ(DialogFolder(), QDir::homePath());
    }
    SetProgramFolderForTesting(QString());
}

}  // namespace
}  // namespace ninefold
