// A File menu laid out as the game window's (Load, Save as, SepRecent, the recent template,
// Sep1, Exit), and a program folder of its own for each test.
#pragma once

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <memory>
#include <vector>

#include "tests/files/temp_folder.h"
#include "ui/file_commands.h"

namespace ninefold::test {

struct MenuHarness {
    MenuHarness() {
        SetProgramFolderForTesting(QString::fromStdString(folder.Path().string()));
        menu = new QMenu(&owner);
        menu->addAction(QStringLiteral("Load"));
        menu->addAction(QStringLiteral("Save as"));
        separator = menu->addSeparator();
        separator->setVisible(false);
        items.push_back(menu->addAction(QStringLiteral("Drive:\\Directory\\Filename.Extension")));
        items[0]->setVisible(false);
        menu->addSeparator();
        menu->addAction(QStringLiteral("Exit"));
    }
    ~MenuHarness() { SetProgramFolderForTesting(QString()); }

    std::filesystem::path ListFile() const { return folder / "Recent Files.txt"; }
    // Captions of the visible entries between SepRecent and Sep1, in menu order.
    QStringList ShownCaptions() const {
        QStringList captions;
        const QList<QAction*> actions = menu->actions();
        for (qsizetype i = actions.indexOf(separator) + 1; !actions[i]->isSeparator(); ++i) {
            if (actions[i]->isVisible()) {
                captions << actions[i]->text();
            }
        }
        return captions;
    }

    TempFolder folder;
    QWidget owner;
    QMenu* menu = nullptr;
    QAction* separator = nullptr;
    std::vector<QAction*> items;
};

}  // namespace ninefold::test
