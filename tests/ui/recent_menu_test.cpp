// The recent-files menu: entries and separator follow the list file, at most nine shown,
// captions shortened in the menu's font, clicks reported by index.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLockFile>
#include <QProcess>

#ifdef _WIN32
#include <windows.h>
#endif

#include "files/qt_paths.h"
#include "files/recent_list.h"
#include "tests/ui/menu_harness.h"
#include "ui/recent_menu.h"

namespace ninefold {
namespace {

using test::MenuHarness;
using test::ReadBytes;
using test::WriteBytes;

QString listPath(const MenuHarness& h) {
    return QString::fromStdString(h.ListFile().string());
}

TEST(RecentMenu, MissingListShowsNoEntryAndNoSeparator) {
    MenuHarness h;
    clsRecentMenu recent;
    recent.Initialize(&h.owner, &h.items, listPath(h), h.separator, 500, 9);
    EXPECT_FALSE(h.separator->isVisible());
    EXPECT_FALSE(h.items[0]->isVisible());
    EXPECT_EQ(h.items.size(), 1U);
    EXPECT_FALSE(std::filesystem::exists(h.ListFile())) << "reading never creates the list";
}

TEST(RecentMenu, TwelveEntriesShowNineNumberedInOrderAndAnOpenKeepsThemAll) {
    MenuHarness h;
    RecentEntries twelve;
    for (int i = 1; i <= 12; ++i) {
        twelve.push_back("/p/" + std::to_string(i) + ".nfd");
    }
    ASSERT_EQ(WriteRecentList(h.ListFile(), twelve), "");
    clsRecentMenu recent;
    recent.Initialize(&h.owner, &h.items, listPath(h), h.separator, 500, 9);
    ASSERT_EQ(h.items.size(), 9U);
    EXPECT_TRUE(h.separator->isVisible());
    const QStringList captions = h.ShownCaptions();
    ASSERT_EQ(captions.size(), 9);
    EXPECT_EQ(captions.first(), QStringLiteral("1 /p/1.nfd"));
    EXPECT_EQ(captions.last(), QStringLiteral("9 /p/9.nfd"));
    EXPECT_EQ(recent.Tag(8), QStringLiteral("/p/9.nfd"));

    ASSERT_EQ(recent.AddToList(QStringLiteral("/p/new.nfd")), "");
    EXPECT_EQ(ReadRecentList(h.ListFile()).entries.size(), 13U);
    EXPECT_EQ(h.ShownCaptions().first(), QStringLiteral("1 /p/new.nfd"));
    EXPECT_EQ(h.ShownCaptions().size(), 9);
}

TEST(RecentMenu, RemovingTheOnlyEntryEmptiesTheFileAndHidesEverything) {
    MenuHarness h;
    clsRecentMenu recent;
    recent.Initialize(&h.owner, &h.items, listPath(h), h.separator, 500, 9);
    ASSERT_EQ(recent.AddToList(QStringLiteral("/games/only.nfd")), "");
    EXPECT_TRUE(h.separator->isVisible());
    EXPECT_EQ(h.ShownCaptions(), QStringList{QStringLiteral("1 /games/only.nfd")});

    ASSERT_EQ(recent.RemoveFromList(QStringLiteral("/GAMES/only.nfd")), "");
    EXPECT_EQ(std::filesystem::file_size(h.ListFile()), 0U);
    EXPECT_FALSE(h.separator->isVisible());
    EXPECT_FALSE(h.items[0]->isVisible());
    EXPECT_TRUE(h.ShownCaptions().isEmpty());
}

TEST(RecentMenu, LetterCaseIsIgnoredBeyondAsciiToo) {
    MenuHarness h;
    clsRecentMenu recent;
    recent.Initialize(&h.owner, &h.items, listPath(h), h.separator, 500, 9);
    recent.AddToList(QString::fromUtf8("/m\xC3\xBCnchen/\xC3\x84.nfd"));
    recent.AddToList(QStringLiteral("/other.nfd"));
    recent.AddToList(QString::fromUtf8("/M\xC3\x9CNCHEN/\xC3\xA4.nfd"));
    EXPECT_EQ(ReadBytes(h.ListFile()), "\"/M\xC3\x9CNCHEN/\xC3\xA4.nfd\"\r\n\"/other.nfd\"\r\n");
}

// Names the ANSI code page cannot spell (Cyrillic and an emoji beside Western letters) are
// kept in a UTF-8 list that starts with a byte-order mark; a list whose names it spells
// stays in the code page.
TEST(RecentMenu, NamesInAnyScriptReopenTheirFilesAndShowAsTheyAre) {
    MenuHarness h;
    const QString folder = QString::fromStdString(h.folder.Path().string());
    const QString plain = folder + QStringLiteral("/plain.nfd");
    const QString cyrillic = folder + QString::fromUtf8("/\xD0\x9F\xD0\xB0\xD0\xB7\xD0\xBB.nfd");
    const QString emoji = folder + QString::fromUtf8("/Puzzle \xF0\x9F\xA7\xA9.nfd");
    for (const QString& path : {plain, cyrillic, emoji}) {
        WriteBytes(ToFsPath(path), "x");
    }
    clsRecentMenu recent;
    recent.Initialize(&h.owner, &h.items, listPath(h), h.separator, 5000, 9);
    ASSERT_EQ(recent.AddToList(plain), "");
    EXPECT_FALSE(ReadBytes(h.ListFile()).starts_with("\xEF\xBB\xBF"));
    ASSERT_EQ(recent.AddToList(cyrillic), "");
    ASSERT_EQ(recent.AddToList(emoji), "");
#ifdef _WIN32
    if (GetACP() != CP_UTF8) {
        EXPECT_TRUE(ReadBytes(h.ListFile()).starts_with("\xEF\xBB\xBF"));
    }
#endif

    clsRecentMenu later;
    later.Initialize(&h.owner, &h.items, listPath(h), h.separator, 5000, 9);
    const QStringList expected{emoji, cyrillic, plain};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(later.Tag(k), expected[k]);
        EXPECT_EQ(later.FileExisits(later.Tag(k)), 1) << later.Tag(k).toStdString();
        EXPECT_TRUE(h.ShownCaptions()[k].endsWith(expected[k].mid(folder.size())));
    }
    ASSERT_EQ(later.RemoveFromList(cyrillic), "");
    EXPECT_EQ(later.Tag(1), plain);
}

TEST(RecentMenu, CaptionsShowAmpersandsAndShortenInTheMenuFont) {
    MenuHarness h;
    const QString longPath = QStringLiteral("/home/ann/Games/easy.nfd");
    const QFontMetrics metrics(h.menu->font());
    const int whole = metrics.horizontalAdvance(longPath);
    ASSERT_EQ(WriteRecentList(h.ListFile(), {"/a&b/x.nfd", ToUtf8(longPath)}), "");

    clsRecentMenu roomy;
    roomy.Initialize(&h.owner, &h.items, listPath(h), h.separator, whole, 9);
    EXPECT_EQ(h.ShownCaptions(), (QStringList{QStringLiteral("1 /a&&b/x.nfd"),
                                              QStringLiteral("2 /home/ann/Games/easy.nfd")}));
    EXPECT_EQ(roomy.ShortenPath(longPath), longPath) << "exactly as wide as the limit fits";

    clsRecentMenu tight;
    tight.Initialize(&h.owner, &h.items, listPath(h), h.separator, whole - 1, 9);
    EXPECT_EQ(tight.ShortenPath(longPath), QStringLiteral("/home/ann/.../easy.nfd"));
    const int first = metrics.horizontalAdvance(QStringLiteral("/.../easy.nfd"));
    clsRecentMenu narrow;
    narrow.Initialize(&h.owner, &h.items, listPath(h), h.separator, first - 1, 9);
    EXPECT_EQ(narrow.ShortenPath(longPath), QStringLiteral("easy.nfd"));
}

TEST(RecentMenu, ClicksReportTheEntryEvenWhenTheMenuIsRebuiltMeanwhile) {
    MenuHarness h;
    ASSERT_EQ(WriteRecentList(h.ListFile(), {"/a.nfd", "/b.nfd", "/c.nfd"}), "");
    clsRecentMenu recent;
    std::vector<int> clicked;
    recent.SetClickHandler([&](int index) {
        clicked.push_back(index);
        // What a click does: the entry moves to the top and the menu is rebuilt.
        recent.AddToList(recent.Tag(index));
    });
    recent.Initialize(&h.owner, &h.items, listPath(h), h.separator, 500, 9);
    h.items[2]->trigger();
    h.items[0]->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(clicked, (std::vector<int>{2, 0}));
    EXPECT_EQ(h.ShownCaptions(),
              (QStringList{QStringLiteral("1 /c.nfd"), QStringLiteral("2 /a.nfd"),
                           QStringLiteral("3 /b.nfd")}));
}

TEST(RecentMenu, UnusableListFileNeverStopsTheMenu) {
    MenuHarness h;
    WriteBytes(h.folder / "plain", "a file where a folder should be");
    const QString below = QString::fromStdString((h.folder / "plain" / "list.txt").string());
    clsRecentMenu recent;
    recent.Initialize(&h.owner, &h.items, below, h.separator, 500, 9);
    EXPECT_NE(recent.AddToList(QStringLiteral("/a.nfd")), "");
    EXPECT_FALSE(h.separator->isVisible());

    WriteBytes(h.ListFile(), std::string("\x01\xFF\"\r\n\n\n,,,\r\x80\x81garbage", 20));
    EXPECT_EQ(recent.FileExisits(listPath(h)), 20);
    clsRecentMenu garbage;
    garbage.Initialize(&h.owner, &h.items, listPath(h), h.separator, 500, 9);
    EXPECT_EQ(garbage.AddToList(QStringLiteral("/a.nfd")), "");
    EXPECT_EQ(h.ShownCaptions().first(), QStringLiteral("1 /a.nfd"));
}

// Another copy of the game holding the list's lock keeps this one's change out, so the two
// never interleave; a lock whose holder has died is taken over and removed.
TEST(RecentMenu, ListLockedByAnotherCopyIsLeftAloneUntilItsHolderIsGone) {
    MenuHarness h;
    WriteBytes(h.ListFile(), "\"/old.nfd\"\r\n");
    clsRecentMenu recent;
    recent.Initialize(&h.owner, &h.items, listPath(h), h.separator, 500, 9);
    const QString lockPath = listPath(h) + QStringLiteral(".lock");
    QLockFile held(lockPath);
    ASSERT_TRUE(held.lock());
    EXPECT_NE(recent.AddToList(QStringLiteral("/new.nfd")), "");
    EXPECT_EQ(ReadBytes(h.ListFile()), "\"/old.nfd\"\r\n");

    // The same lock record, as if a copy that has since been killed had written it.
    const std::string record = ReadBytes(h.ListFile().string() + ".lock");
    held.unlock();
    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    gone.waitForFinished();
    WriteBytes(h.ListFile().string() + ".lock",
               std::to_string(pid) + record.substr(record.find('\n')));
    EXPECT_EQ(recent.AddToList(QStringLiteral("/new.nfd")), "");
    EXPECT_EQ(ReadBytes(h.ListFile()), "\"/new.nfd\"\r\n\"/old.nfd\"\r\n");
    EXPECT_FALSE(std::filesystem::exists(h.ListFile().string() + ".lock"));
}

}  // namespace
}  // namespace ninefold
