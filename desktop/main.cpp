// mdlMain: the program's start. Computes the file association's rows, creates and shows the
// game window, then gives it its caption and icons; from then on the program lives on the
// window's events.
#include <QApplication>

#include "desktop/file_association.h"
#include "desktop/window_icons.h"
#include "ui/game_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Names the player's data folder (~/.local/share/ninefold) whatever the executable is called.
    QCoreApplication::setApplicationName(QStringLiteral("ninefold"));
    // Lets Wayland compositors find the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ninefold.Ninefold"));
    const QString title = QString::fromLatin1(ninefold::kApplicationTitle);
    ninefold::mdlExtension::SetAssociationEntries(
        ninefold::AssociationEntries(title, ninefold::ProgramPath()));
    ninefold::frmGame game;
    game.Form_Load();
    game.setWindowTitle(title);
    ninefold::SetWindowIcons(&game, QStringLiteral("AAA"), true);
    return QApplication::exec();
}
