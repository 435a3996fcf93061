// The real Load / Save as dialog, driven while it is open: its settings for each command,
// the default extension, and the last chosen name offered again.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <functional>

#include "tests/files/temp_folder.h"
#include "ui/file_dialog.h"

namespace ninefold {
namespace {

// Runs act on the dialog once its own event loop is running.
void whileShown(PuzzleFileDialog& dialog, std::function<void(QFileDialog&)> act) {
    QTimer::singleShot(0, [&dialog, act] { act(dialog.CD()); });
}

TEST(PuzzleFileDialog, SaveAppendsTheExtensionAndTheNameIsOfferedAgain) {
    test::TempFolder folder;
    const QString home = QString::fromStdString(folder.Path().string());
    PuzzleFileDialog dialog(nullptr);

    whileShown(dialog, [&](QFileDialog& cd) {
        EXPECT_EQ(cd.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(cd.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(cd.nameFilters(), QStringList{QStringLiteral("NFD Files (*.nfd)")});
        EXPECT_EQ(cd.defaultSuffix(), QStringLiteral("nfd"));
        EXPECT_EQ(QDir(cd.directory()).canonicalPath(), QDir(home).canonicalPath());
        cd.selectFile(home + QStringLiteral("/mine"));
        static_cast<QDialog&>(cd).accept();  // as the Save button does
    });
    const std::optional<QString> saved = dialog.ShowSave(home);
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved, home + QStringLiteral("/mine.nfd"));

    whileShown(dialog, [&](QFileDialog& cd) {
        EXPECT_EQ(cd.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(cd.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(cd.nameFilters(), QStringList{QStringLiteral("NFD Files (*.nfd)")});
        EXPECT_EQ(cd.selectedFiles().value(0), home + QStringLiteral("/mine.nfd"));
        cd.reject();
    });
    EXPECT_FALSE(dialog.ShowOpen(home));
    EXPECT_EQ(dialog.LastFileName(), home + QStringLiteral("/mine.nfd"))
        << "a cancelled dialog keeps the name";
}

}  // namespace
}  // namespace ninefold
