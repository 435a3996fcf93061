// mdlMain: the program's start. Creates and shows the game window, then gives it its caption;
// from then on the program lives on the window's events.
#include <QApplication>

#include "ui/game_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ninefold::frmGame game;
    game.Form_Load();
    game.setWindowTitle(QString::fromLatin1(ninefold::kApplicationTitle));
    return QApplication::exec();
}
