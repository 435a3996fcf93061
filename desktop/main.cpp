// mdlMain: the program's start. Answers --help and --version without a window; otherwise
// installs the desktop language's translations, computes the file association's rows, creates
// and shows the game window with the hidden keys, then gives it its caption and icons; from
// then on the program lives on the window's events.
#include <QApplication>
#include <cstdio>
#include <vector>

#include "desktop/file_association.h"
#include "desktop/hot_keys.h"
#include "desktop/parent_console.h"
#include "desktop/start_options.h"
#include "desktop/window_icons.h"
#include "ui/game_window.h"
#include "ui/translations.h"

int main(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    switch (ninefold::ReadStartOptions(arguments)) {
        case ninefold::StartRequest::Help:
            ninefold::PrintToParentConsole();
            std::fputs(ninefold::kGameUsage, stdout);
            return 0;
        case ninefold::StartRequest::Version:
            ninefold::PrintToParentConsole();
            std::printf("ninefold %s\n", NINEFOLD_VERSION);
            return 0;
        case ninefold::StartRequest::Play:
            break;
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);  // argv ends in a null pointer, as Qt may expect
    QApplication app(count, arguments.data());
    // Names the player's data folder (~/.local/share/ninefold) whatever the executable is called.
    QCoreApplication::setApplicationName(QStringLiteral("ninefold"));
    // Lets Wayland compositors find the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ninefold.Ninefold"));
    // The desktop's UI languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) choose the texts.
    ninefold::InstallTranslations();
    const QString title = QString::fromLatin1(ninefold::kApplicationTitle);
    ninefold::mdlExtension::SetAssociationEntries(
        ninefold::AssociationEntries(title, ninefold::ProgramPath()));
    ninefold::frmGame game;
    game.session().setHiddenKeys(
        [](int keyCode, int shift, const std::function<void()>& searchAlone) {
            return ninefold::HandleHotKey(keyCode, shift, searchAlone) != ninefold::HotKey::None;
        });
    game.Form_Load();
    game.setWindowTitle(title);
    ninefold::SetWindowIcons(&game, QStringLiteral("AAA"), true);
    return QApplication::exec();
}
