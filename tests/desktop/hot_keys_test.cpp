// The hidden key combinations: exact modifiers, and what each does.
#include <gtest/gtest.h>

#include "tests/desktop/qt_printers.h"

#include "desktop/file_association.h"
#include "desktop/hot_keys.h"

#include <memory>
#include "tests/desktop/memory_store.h"

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

class HandleHotKeyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto owned = std::make_unique<MemoryStore>();
        store = owned.get();
        mdlExtension::SetStore(std::move(owned));
        mdlExtension::SetAssociationEntries(AssociationEntries("Ninefold", "/usr/bin/ninefold"));
    }
    void TearDown() override {
        mdlExtension::SetStore(nullptr);
        mdlExtension::SetAssociationEntries(AssociationRows{});
    }
    HotKey press(int keyCode, int shift) {
        return HandleHotKey(keyCode, shift, [this] { ++searches; });
    }
    MemoryStore* store = nullptr;
    int searches = 0;
};

TEST_F(HandleHotKeyTest, ShiftAltERegistersShiftAltDRemovesAndShiftAltLSearches) {
    constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
    EXPECT_EQ(press(69, kCtrl | kShift | kAlt), HotKey::None);
    EXPECT_EQ(press(69, kShift), HotKey::None);
    EXPECT_EQ(press(69, kAlt), HotKey::None);
    EXPECT_TRUE(store->calls.isEmpty());

    EXPECT_EQ(press(69, kShift | kAlt), HotKey::RegisterExtension);
    EXPECT_EQ(store->values.size(), 4U);
    EXPECT_EQ(store->calls.last(), "notify");
    EXPECT_EQ(press(68, kCtrl | kShift | kAlt), HotKey::None);
    EXPECT_EQ(store->values.size(), 4U);
    EXPECT_EQ(press(68, kShift | kAlt), HotKey::UnregisterExtension);
    EXPECT_TRUE(store->values.empty());
    EXPECT_EQ(searches, 0);

    EXPECT_EQ(press(76, kShift | kAlt), HotKey::SearchSolution);
    EXPECT_EQ(searches, 1);
    EXPECT_TRUE(store->values.empty());
}

}  // namespace
}  // namespace ninefold::testing
