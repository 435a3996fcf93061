// The recent-files list file: how lines read, how the list is rewritten, and that a list
// that cannot be read is never overwritten.
#include <gtest/gtest.h>

#include "files/file_io.h"
#include "files/recent_list.h"
#include "tests/files/temp_folder.h"

namespace ninefold {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;
using namespace std::string_literals;

struct ParseCase {
    const char* what;
    std::string text;
    RecentEntries expected;
};

TEST(RecentList, LinesReadAsQuotedTextOrUpToTheFirstComma) {
    const ParseCase cases[] = {
        {"quoted, CR LF",
         "\"C:\\Games\\easy.nfd\"\r\n\"D:\\hard.nfd\"\r\n",
         {"C:\\Games\\easy.nfd", "D:\\hard.nfd"}},
        {"LF only, no final break", "\"/a.nfd\"\n\"/b.nfd\"", {"/a.nfd", "/b.nfd"}},
        {"comma inside quotes stays", "\"/x,y.nfd\"\r\n", {"/x,y.nfd"}},
        {"text around quotes dropped", "  \"/a.nfd\" trailing,\"x\"\r\n", {"/a.nfd"}},
        {"unclosed quote runs to line end", "\"/a.nfd\r\n/b.nfd\r\n", {"/a.nfd", "/b.nfd"}},
        {"unquoted up to comma, trimmed",
         "  /a b.nfd ,rest\r\n\t/c.nfd\r\n",
         {"/a b.nfd", "/c.nfd"}},
        {"blank and empty lines give nothing", "\r\n\r\n\"\"\r\n ,x\r\n\"/a\"\r\n", {"/a"}},
        {"NUL bytes give nothing", "\"/a\0b\"\r\n/c\0\r\n\"/d\""s, {"/d"}},
        {"UTF-8 passes through",
         "\"/home/j\xC3\xB6rg/\xC3\xA4.nfd\"\r\n",
         {"/home/j\xC3\xB6rg/\xC3\xA4.nfd"}},
    };
    for (const ParseCase& c : cases) {
        EXPECT_EQ(ParseRecentList(c.text), c.expected) << c.what;
    }
    EXPECT_EQ(ParseRecentList("\"1\"\n\"2\"\n\"3\"\n", 2), (RecentEntries{"1", "2"}));
}

TEST(RecentList, WritesQuotedLinesWithCrLfAndSkipsWhatCannotBeReadBack) {
    EXPECT_EQ(FormatRecentList({"C:\\a.nfd", "/b c.nfd"}), "\"C:\\a.nfd\"\r\n\"/b c.nfd\"\r\n");
    EXPECT_EQ(FormatRecentList({"/a\"b.nfd", "/line\nbreak", "", "/ok"}), "\"/ok\"\r\n");
    EXPECT_EQ(FormatRecentList({}), "");
}

TEST(RecentList, ListAfterAByteOrderMarkIsReadAsUtf8) {
    EXPECT_EQ(DecodeRecentList("\xEF\xBB\xBF/\xD0\x96.nfd\r\n\"/b.nfd\"\r\n", 1),
              RecentEntries{"/\xD0\x96.nfd"});
    const RecentEntries outside{"C:\\\xF0\x9F\xA7\xA9.nfd", "C:\\a.nfd"};
    EXPECT_EQ(DecodeRecentList(FormatRecentList(outside)), outside);
}

TEST(RecentList, ComparisonIgnoresLetterCaseOnly) {
    EXPECT_TRUE(SamePathIgnoringCase("C:\\A.NFD", "c:\\a.nfd"));
    EXPECT_FALSE(SamePathIgnoringCase("/a.nfd", "/a.nfd "));
    EXPECT_FALSE(SamePathIgnoringCase("/a", "/b"));
}

TEST(RecentList, AddingMovesAnEntryOfAnyCaseToTheTopInTheNewSpelling) {
    TempFolder folder;
    const auto list = folder / "Recent Files.txt";
    WriteBytes(list, "\"D:\\x.nfd\"\r\n\"c:\\a.nfd\"\r\n\"E:\\y.nfd\"\r\n");
    ASSERT_EQ(AddToRecentList(list, "C:\\A.nfd"), "");
    EXPECT_EQ(ReadBytes(list), "\"C:\\A.nfd\"\r\n\"D:\\x.nfd\"\r\n\"E:\\y.nfd\"\r\n");

    const std::string before = ReadBytes(list);
    ASSERT_EQ(AddToRecentList(list, "C:\\A.nfd"), "");
    EXPECT_EQ(ReadBytes(list), before) << "adding the first entry again changes nothing";
}

TEST(RecentList, AddingStartsAMissingOrEmptyListAndNeverCutsIt) {
    TempFolder folder;
    const auto list = folder / "Recent Files.txt";
    ASSERT_EQ(AddToRecentList(list, "/first.nfd"), "");
    EXPECT_EQ(ReadBytes(list), "\"/first.nfd\"\r\n");
    WriteBytes(list, "");
    ASSERT_EQ(AddToRecentList(list, "/again.nfd"), "");
    EXPECT_EQ(ReadBytes(list), "\"/again.nfd\"\r\n");

    RecentEntries twelve;
    for (int i = 1; i <= 12; ++i) {
        twelve.push_back("/p" + std::to_string(i) + ".nfd");
    }
    ASSERT_EQ(WriteRecentList(list, twelve), "");
    ASSERT_EQ(AddToRecentList(list, "/new.nfd"), "");
    const RecentRead all = ReadRecentList(list);
    ASSERT_EQ(all.entries.size(), 13U);
    EXPECT_EQ(all.entries.front(), "/new.nfd");
    EXPECT_EQ(all.entries.back(), "/p12.nfd");
    EXPECT_EQ(ReadRecentList(list, 9).entries.size(), 9U);
}

TEST(RecentList, RemovingRewritesOnlyWhenSomethingGoes) {
    TempFolder folder;
    const auto list = folder / "Recent Files.txt";
    // Unquoted lines would come back quoted if the file were rewritten.
    WriteBytes(list, "/a.nfd\r\n/b.nfd\r\n");
    ASSERT_EQ(RemoveFromRecentList(list, "/c.nfd"), "");
    EXPECT_EQ(ReadBytes(list), "/a.nfd\r\n/b.nfd\r\n");

    ASSERT_EQ(RemoveFromRecentList(list, "/A.NFD"), "");
    EXPECT_EQ(ReadBytes(list), "\"/b.nfd\"\r\n");
    ASSERT_EQ(RemoveFromRecentList(list, "/b.nfd"), "");
    ASSERT_TRUE(std::filesystem::exists(list));
    EXPECT_EQ(std::filesystem::file_size(list), 0U);

    const auto missing = folder / "none.txt";
    ASSERT_EQ(RemoveFromRecentList(missing, "/a.nfd"), "");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(RecentList, UnusableListFilesReportWithoutLosingAnything) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "dir.txt");
    WriteBytes(folder / "plain", "x");
    EXPECT_NE(AddToRecentList(folder / "plain" / "list.txt", "/a.nfd"), "");
    EXPECT_EQ(ReadRecentList(folder / "dir.txt").entries, RecentEntries{})
        << "a folder has no length, so it reads as an empty list";
    EXPECT_NE(AddToRecentList(folder / "dir.txt", "/a.nfd"), "");

    // A list too long to be real is refused whole rather than rewritten from what fits.
    const auto huge = folder / "huge.txt";
    std::string text;
    for (int i = 0; text.size() <= 16 * 1024 * 1024; ++i) {
        text += "\"/" + std::string(1000, 'a') + std::to_string(i) + "\"\r\n";
    }
    WriteBytes(huge, text);
    EXPECT_NE(AddToRecentList(huge, "/a.nfd"), "");
    EXPECT_EQ(std::filesystem::file_size(huge), text.size());
}

TEST(FileExisits, GivesTheLengthOfRegularFilesOnly) {
    TempFolder folder;
    WriteBytes(folder / "five", "12345");
    WriteBytes(folder / "zero", "");
    std::filesystem::create_directory(folder / "dir");
    EXPECT_EQ(FileExisits(folder / "five"), 5);
    EXPECT_EQ(FileExisits(folder / "zero"), 0);
    EXPECT_EQ(FileExisits(folder / "dir"), 0);
    EXPECT_EQ(FileExisits(folder / "missing"), 0);
    EXPECT_EQ(FileExisits(folder / "five" / "below"), 0);
    EXPECT_EQ(FileExisits(""), 0);
}

}  // namespace
}  // namespace ninefold
