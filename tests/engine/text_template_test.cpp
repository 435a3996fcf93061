// The sentence builder: placeholder filling, English forms, and a translated source reaching
// the Check Diagram report.
#include <gtest/gtest.h>

#include "engine/diagram_check.h"
#include "engine/game_texts.h"
#include "engine/text_template.h"
#include "tests/engine/fixtures.h"

namespace ninefold {
namespace {

TEST(FillTemplate, PlaceholdersAreFilledInOnePass) {
    struct Row {
        const char* pattern;
        std::initializer_list<std::string_view> args;
        int64_t count;
        const char* expected;
    };
    const Row rows[] = {
        {"%2 before %1", {"a", "b"}, 0, "b before a"},
        {"%1 stays %1", {"%2"}, 0, "%2 stays %2"},  // an argument is not read again
        {"%n of %1", {"x"}, 5000000000LL, "5000000000 of x"},
        {"%3 has no argument, 100% stays", {"a"}, 0, "%3 has no argument, 100% stays"},
        {"ends in %", {}, 0, "ends in %"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FillTemplate(row.pattern, row.args, row.count), row.expected) << row.pattern;
    }
}

TEST(CountedSentence, EnglishPicksTheFormByCount) {
    EXPECT_EQ(CountedSentence(EnglishText(), texts::kClashesFound, 1), "1 error found in entries!");
    EXPECT_EQ(CountedSentence(EnglishText(), texts::kClashesFound, 0),
              "0 errors found in entries!");
    EXPECT_EQ(CountedSentence(EnglishText(), texts::kClashesFound, 21),
              "21 errors found in entries!");
}

// A source that answers its own template for one text, with the count it was asked for.
class OneTranslation : public TextSource {
  public:
    std::string Template(const TextTemplate& text, int64_t count) const override {
        if (&text == &texts::kMissingInRow) {
            asked = count;
            return "Zeile %1: %n fehlen";
        }
        return TextSource::Template(text, count);
    }
    mutable int64_t asked = -1;
};

TEST(CheckDiagram, BuildsItsReportFromTheSourceHandedIn) {
    // Row 1 lacks 8 digits, every other row 9.
    Board board = test::BoardFrom("5" + std::string(80, '.'));
    OneTranslation german;
    const std::string text = CheckDiagram(board, german);
    EXPECT_NE(text.find("\r\nZeile 1: 8 fehlen\r\nZeile 2: 9 fehlen"), std::string::npos) << text;
    EXPECT_EQ(german.asked, 9);
    EXPECT_NE(text.find("Error at square 1,1 for 8 times."), std::string::npos) << text;
}

}  // namespace
}  // namespace ninefold
