// Exec lines for program paths full of characters a shell or a launcher would act on.
#include <gtest/gtest.h>

#include "tests/desktop/qt_printers.h"

#include "desktop/exec_line.h"

namespace ninefold {
namespace {

struct ExecCase {
    const char* path;
    const char* value;  // as the desktop entry file holds it
};

// The Exec value is escaped twice: the quoting rules inside the argument, then the string
// escapes of the value, so one backslash in a path is four in the file.
TEST(ExecLine, QuotesAndEscapesEveryReservedCharacter) {
    const ExecCase cases[] = {
        {"/usr/bin/ninefold", R"("/usr/bin/ninefold" %f)"},
        {"/home/a b/ninefold", R"("/home/a b/ninefold" %f)"},
        {R"(/tmp/say "hi"/x)", R"("/tmp/say \\"hi\\"/x" %f)"},
        {"/tmp/$HOME/`id`/x", R"("/tmp/\\$HOME/\\`id\\`/x" %f)"},
        {R"(/tmp/back\slash/x)", R"("/tmp/back\\\\slash/x" %f)"},
        {"/tmp/100%/%f/x", R"("/tmp/100%%/%%f/x" %f)"},
        {"/tmp/semi;colon|pipe&'quote'/x", R"("/tmp/semi;colon|pipe&'quote'/x" %f)"},
        {"/tmp/new\nline/x", R"("/tmp/new\nline/x" %f)"},
    };
    for (const ExecCase& c : cases) {
        const ExecWords words{{false, QString::fromUtf8(c.path)}, {true, QString()}};
        const QString value = EscapeEntryValue(BuildExecLine(words));
        EXPECT_EQ(value.toStdString(), c.value);
        EXPECT_EQ(ParseExecLine(UnescapeEntryValue(value)), words) << c.value;
    }
}

TEST(ExecLine, ReadsCommandsWrittenByOthers) {
    using Words = ExecWords;
    const std::pair<const char*, std::optional<Words>> cases[] = {
        {"geany %F", Words{{false, "geany"}, {true, ""}}},
        {"env  A=1 %U --icon %i",
         Words{{false, "env"}, {false, "A=1"}, {true, ""}, {false, "--icon"}}},
        {R"("/opt/a b/run" --new-window)", Words{{false, "/opt/a b/run"}, {false, "--new-window"}}},
        {R"("unclosed %f)", std::nullopt},
        {R"("dangling\)", std::nullopt},
    };
    for (const auto& [exec, expected] : cases) {
        EXPECT_EQ(ParseExecLine(exec), expected) << exec;
    }
}

TEST(OpenCommand, KeepsTheProgramPathWhateverItHolds) {
    const char* const paths[] = {"/usr/bin/ninefold", "/tmp/a \"b\" c/ninefold",
                                 "/tmp/ends with quote\"", "/tmp/%1/ninefold",
                                 "C:\\Games\\play.exe"};
    for (const char* path : paths) {
        const QString command = '"' + QString::fromUtf8(path) + "\" \"%1\"";
        const ExecWords words = WordsFromOpenCommand(command);
        const ExecWords expected{{false, QString::fromUtf8(path)}, {true, QString()}};
        EXPECT_EQ(words, expected) << path;
        EXPECT_EQ(OpenCommandFromWords(words), command) << path;
    }
}

TEST(OpenCommand, SplitsOtherCommandsAtBlanksOutsideQuotes) {
    const ExecWords words = WordsFromOpenCommand(R"(notepad.exe "C:\a b.txt" %1)");
    const ExecWords expected{{false, "notepad.exe"}, {false, "C:\\a b.txt"}, {true, ""}};
    EXPECT_EQ(words, expected);
    EXPECT_TRUE(WordsFromOpenCommand("").empty());
}

}  // namespace
}  // namespace ninefold
