// The association's rows and the register/unregister rules, on a store in memory.
#include <gtest/gtest.h>

#include "tests/desktop/qt_printers.h"

#include "desktop/file_association.h"
#include "tests/desktop/memory_store.h"

namespace ninefold {
namespace {

using testing::MemoryStore;

const AssociationRows kRows = AssociationEntries("Ninefold", "/opt/games/ninefold");

TEST(AssociationEntries, RowsHoldTheirExactTexts) {
    const AssociationRows rows = AssociationEntries("Ninefold", "C:\\Games\\play.exe");
    const AssociationRows expected{{
        {"Ninefold", "Ninefold Save"},
        {".nfd", "Ninefold"},
        {"Ninefold\\shell\\open\\command", "\"C:\\Games\\play.exe\" \"%1\""},
        {"Ninefold\\DefaultIcon", "C:\\Games\\play.exe,0"},
    }};
    EXPECT_EQ(rows, expected);
}

TEST(AssociationEntries, WindowsProgramPathHasOneSeparator) {
    EXPECT_EQ(WindowsProgramPath("C:\\Games", "play"), "C:\\Games\\play.exe");
    EXPECT_EQ(WindowsProgramPath("C:\\", "play"), "C:\\play.exe");
    EXPECT_EQ(WindowsProgramPath("D:\\My Games\\v1.2", "my.game"),
              "D:\\My Games\\v1.2\\my.game.exe");
}

TEST(RegisterExtension, WritesEveryRowThenNothingTheSecondTime) {
    MemoryStore store;
    RegisterExtension(kRows, store);
    EXPECT_EQ(store.calls,
              QStringList({"set Ninefold", "set .nfd", "set Ninefold\\shell\\open\\command",
                           "set Ninefold\\DefaultIcon", "notify"}));
    for (const AssociationRow& row : kRows) {
        EXPECT_EQ(store.GetRegString(RegRoot::ClassesRoot, row.key, ""), row.data)
            << row.key.toStdString();
    }
    store.calls.clear();
    RegisterExtension(kRows, store);
    EXPECT_EQ(store.calls, QStringList({"notify"}));
}

TEST(RegisterExtension, RewritesOnlyTheRowChangedByHand) {
    MemoryStore store;
    RegisterExtension(kRows, store);
    // Another program took ".nfd"; the letter case of a value counts as a difference too.
    store.values[{".nfd", ""}] = "OtherGame";
    store.values[{"Ninefold", ""}] = "ninefold save";
    store.calls.clear();
    RegisterExtension(kRows, store);
    EXPECT_EQ(store.calls, QStringList({"set Ninefold", "set .nfd", "notify"}));
    EXPECT_EQ(store.values[std::make_pair(QString(".nfd"), QString())], "Ninefold");
}

TEST(UnregisterExtension, RemovesOwnRowsAndLeavesAnotherProgramsData) {
    MemoryStore store;
    RegisterExtension(kRows, store);
    store.values[{".nfd", ""}] = "OtherGame";
    store.values[{"Ninefold\\DefaultIcon", ""}] = "/opt/games/ninefold,1";
    store.values[{"Unrelated", ""}] = "kept";
    store.calls.clear();
    UnregisterExtension(kRows, store);
    EXPECT_EQ(store.calls,
              QStringList({"delete Ninefold", "delete Ninefold\\shell\\open\\command", "notify"}));
    const std::map<std::pair<QString, QString>, QString> left{
        {{".nfd", ""}, "OtherGame"},
        {{"Ninefold\\DefaultIcon", ""}, "/opt/games/ninefold,1"},
        {{"Unrelated", ""}, "kept"}};
    EXPECT_EQ(store.values, left);
}

TEST(UnregisterExtension, WithNothingRegisteredDeletesNothingAndStillNotifies) {
    MemoryStore store;
    UnregisterExtension(kRows, store);
    EXPECT_EQ(store.calls, QStringList({"notify"}));
}

}  // namespace
}  // namespace ninefold
