// The hidden key combinations: exact modifiers, and what each does in the game window.
#include <gtest/gtest.h>

#include "tests/desktop/qt_printers.h"

#include <QTest>

#include "desktop/file_association.h"
#include "desktop/hot_keys.h"
#include "tests/desktop/memory_store.h"
#include "tests/ui/game_fixture.h"
#include "ui/cell_box.h"

namespace ninefold::testing {
namespace {

TEST(MatchHotKey, OnlyExactlyShiftAndAltCount) {
    constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
    const std::tuple<int, int, HotKey> cases[] = {
        {69, kShift | kAlt, HotKey::RegisterExtension},
        {68, kShift | kAlt, HotKey::UnregisterExtension},
        {76, kShift | kAlt, HotKey::SearchSolution},
        {69, kShift | kAlt | kCtrl, HotKey::None},
        {69, kShift, HotKey::None},
        {69, kAlt, HotKey::None},
        {69, kCtrl | kAlt, HotKey::None},
        {69, 0, HotKey::None},
        {65, kShift | kAlt, HotKey::None},
    };
    for (const auto& [key, shift, expected] : cases) {
        EXPECT_EQ(MatchHotKey(key, shift), expected) << key << " with shift state " << shift;
    }
}

class GameHotKeyTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        auto owned = std::make_unique<MemoryStore>();
        store = owned.get();
        mdlExtension::SetStore(std::move(owned));
        mdlExtension::SetAssociationEntries(AssociationEntries("Ninefold", "/usr/bin/ninefold"));
    }
    void TearDown() override {
        mdlExtension::SetStore(nullptr);
        mdlExtension::SetAssociationEntries(AssociationRows{});
        GameTest::TearDown();
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(cellBox(session().CurrentCell()), key, modifiers);
        settle();
    }
    MemoryStore* store = nullptr;
};

TEST_F(GameHotKeyTest, ShiftAltERegistersAndShiftAltDRemoves) {
    const Qt::KeyboardModifiers shiftAlt = Qt::ShiftModifier | Qt::AltModifier;
    press(Qt::Key_E, Qt::ControlModifier | shiftAlt);
    press(Qt::Key_E, Qt::ShiftModifier);
    press(Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(store->calls.isEmpty());

    press(Qt::Key_E, shiftAlt);
    EXPECT_EQ(store->values.size(), 4U);
    EXPECT_EQ(store->calls.last(), "notify");
    press(Qt::Key_D, Qt::ControlModifier | shiftAlt);
    EXPECT_EQ(store->values.size(), 4U);
    press(Qt::Key_D, shiftAlt);
    EXPECT_TRUE(store->values.empty());
    EXPECT_EQ(cell(1).Digit, 0) << "the letters write nothing into the cell";
}

TEST_F(GameHotKeyTest, ShiftAltLRunsTheSearchAloneWithoutTheSolveMessages) {
    load("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    press(Qt::Key_L, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(digits(),
              "534678912672195348198342567859761423426853791713924856961537284287419635345286179");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(cell(3).Fixed) << "the search's own digits";

    press(Qt::Key_L, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(messages.shown, std::vector<Shown>({{Box::Exclamation, "This puzzle is solved."}}));
}

}  // namespace
}  // namespace ninefold::testing
