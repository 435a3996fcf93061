// The window in the player's language: which shipped language a desktop language gets, German
// menus and messages with the translation installed, English ones without, and the wait
// window's and the level chooser's texts whole in the longer languages.
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "engine/board.h"
#include "tests/ui/game_fixture.h"
#include "ui/candidate_panel.h"
#include "ui/key_codes.h"
#include "ui/level_dialog.h"
#include "ui/qt_message_seam.h"
#include "ui/translations.h"
#include "ui/wait_window.h"

namespace ninefold::testing {
namespace {

TEST(InstallTranslations, PicksTheShippedLanguageOfTheSameLanguageAndScript) {
    const struct {
        const char* locale;
        const char* installed;
    } rows[] = {
        {"de_AT", "de"}, {"pt_PT", "pt_BR"}, {"pt_BR", "pt_BR"}, {"zh_CN", "zh_CN"}, {"zh_TW", ""},
        {"ja_JP", "ja"}, {"ru_RU", "ru"},    {"en_GB", ""},      {"C", ""},          {"sv_SE", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(InstallTranslations(QLocale(QString::fromLatin1(row.locale))),
                  QString::fromLatin1(row.installed))
            << row.locale;
        EXPECT_EQ(GameTranslator() != nullptr, *row.installed != '\0') << row.locale;
    }
    RemoveTranslations();
    EXPECT_EQ(GameTranslator(), nullptr);
}

// The game window made after the language's translations are installed, as at start-up.
class TranslatedGameTest : public GameTest {
  protected:
    void install(const char* locale) {
        InstallTranslations(QLocale(QString::fromLatin1(locale)));
        GameTest::SetUp();
    }
    void SetUp() override {}
    void TearDown() override {
        GameTest::TearDown();
        RemoveTranslations();
    }
};

TEST_F(TranslatedGameTest, GermanMenusMessagesAndQtsOwnButtons) {
    install("de_DE");
    EXPECT_EQ(menu("mnuFile")->title(), "Datei");
    EXPECT_EQ(menu("mnuGame")->title(), "Spiel");
    EXPECT_EQ(action("mnuCheck")->text(), "Gitter prüfen");
    EXPECT_EQ(action("mnuCheck")->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));

    // Row 1 lacks eight digits: the counted template's German plural, the row's number in it.
    load("5................................................................................");
    action("mnuCheck")->trigger();
    settle();
    ASSERT_EQ(messages.shown.size(), 1U);
    const std::string report = messages.shown[0].text;
    EXPECT_EQ(report.substr(0, report.find("\r\n3- ")),
              "1- Eingaben widerspruchsfrei.\r\n2- Kein Logikfehler gefunden.");
    EXPECT_NE(report.find("\r\n3- Bitte diese Fehler beheben:\r\n\r\nBlock 1,1: 8 Ziffern fehlen."),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("\r\nZeile 1: 8 Ziffern fehlen.\r\nZeile 2: 9 Ziffern fehlen."),
              std::string::npos)
        << report;

    action("mnuNewGame")->trigger();
    settle();
    ASSERT_EQ(messages.shown.size(), 2U);
    EXPECT_EQ(messages.shown[1].text, "Eigene Eingaben gehen verloren.\r\nWirklich fortfahren?");

    // Qt's own texts come from Qt's German translation: the message box's Yes button.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Ninefold"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
}

TEST_F(TranslatedGameTest, WithoutATranslationTheTextsAreEnglish) {
    install("C");
    EXPECT_EQ(menu("mnuFile")->title(), "File");
    EXPECT_EQ(action("mnuCheck")->text(), "Check Diagram");
    action("mnuNewGame")->trigger();
    settle();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, "Manual entries will be lost.\r\nAre you sure?");
}

// The hint in German: the clue and each step from the translated templates, the German names
// of the techniques kept as written, and the cells in the German sentence's own order.
TEST_F(TranslatedGameTest, GermanHintFromTheTranslatedTemplates) {
    install("de_DE");
    load("4...7.1....19.46.5.....1......7....2..2.3....847..6....14...8.6.2....3..6...9....");
    auto pressHint = [&] {
        messages.shown.clear();
        session().Form_KeyDown(KeyCode::LetterA + 7, ShiftState::Ctrl);
        settle();
        return messages.shown.size() == 1 ? messages.shown[0].text : std::string();
    };
    EXPECT_EQ(pressHint(), "Block 4 ansehen: Pointing.");
    const std::string full = pressHint();
    EXPECT_TRUE(full.starts_with("Pointing: in Block 4 liegt die Ziffer 3 nur in Zeile 4, daher: "))
        << full;
    EXPECT_TRUE(full.ends_with(" Dann Nackter Single: Zeile 4, Spalte 7 kann nur 4 enthalten."))
        << full;
}

// The candidate panel's header is one line of a fixed band: in every language it must fit.
TEST_F(TranslatedGameTest, PanelHeaderFitsInEveryLanguage) {
    for (const QString& language : ShippedLanguages()) {
        install(language.toLatin1().constData());
        const CandidatePanel* panel = candidatePanel();
        EXPECT_NE(panel->headerText(),
                  QStringLiteral("Double-Click: Show available numbers for each block"))
            << language.toStdString();
        EXPECT_GE(panel->headerPosition().x(), 0) << language.toStdString();
        TearDown();
    }
}

// Run by CTest at scale factors 1 and 2: every line of the wait window's text is drawn whole
// inside the window, in German and in Japanese.
TEST_F(TranslatedGameTest, WaitWindowShowsItsWholeText) {
    for (const char* locale : {"de_DE", "ja_JP"}) {
        install(locale);
        session().ShowWaitWindow(true);
        const frmWait* wait = waitWindow();
        ASSERT_NE(wait, nullptr);
        const QLabel* label = wait->lblWait();
        EXPECT_NE(label->text(), QStringLiteral("Please wait...\nPress Esc to cancel")) << locale;
        const QFontMetrics metrics(label->font());
        for (const QString& line : label->text().split(QLatin1Char('\n'))) {
            EXPECT_LE(metrics.horizontalAdvance(line), label->width()) << locale;
        }
        EXPECT_GE(label->height(), 2 * metrics.height()) << locale;
        EXPECT_TRUE(wait->clientRect().contains(label->geometry())) << locale;
        EXPECT_LE(wait->frameGeometry().width(), wait->screen()->geometry().width()) << locale;
        session().CloseWaitWindow();
        TearDown();
    }
}

// Run at scale factors 1 and 2 too: the level chooser's prompt and choices are translated and
// drawn whole.
TEST_F(TranslatedGameTest, LevelChooserShowsItsWholeText) {
    for (const char* locale : {"de_DE", "ja_JP"}) {
        install(locale);
        LevelDialog dialog(steps::Level::Medium, nullptr);
        dialog.show();
        const auto* prompt = dialog.findChild<QLabel*>();
        ASSERT_NE(prompt, nullptr);
        EXPECT_NE(prompt->text(), QStringLiteral("Generate a puzzle of the level:")) << locale;
        EXPECT_LE(QFontMetrics(prompt->font()).horizontalAdvance(prompt->text()), prompt->width())
            << locale;
        const QList<QRadioButton*> choices = dialog.findChildren<QRadioButton*>();
        ASSERT_EQ(choices.size(), steps::kLevelCount);
        EXPECT_NE(choices[3]->text(), QStringLiteral("&4 Diabolical")) << locale;
        for (const QRadioButton* choice : choices) {
            EXPECT_GE(choice->width(), choice->sizeHint().width()) << locale;
        }
        TearDown();
    }
}

}  // namespace
}  // namespace ninefold::testing
