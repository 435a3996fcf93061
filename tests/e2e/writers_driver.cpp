// Runs one of the game window's writers without a window, so a test can run it as another
// user: "save PATH" saves a board through File > Save as with PATH as the dialog's answer,
// "register" and "remove" press Shift+Alt+E and Shift+Alt+D against the user's XDG folders.
// Messages go to standard error; the exit status is 1 when one was shown.
#include <QApplication>
#include <cstdio>
#include <string>

#include "desktop/file_association.h"
#include "engine/board.h"
#include "ui/file_commands.h"

namespace {

class AnsweringDialog : public ninefold::PuzzleFileDialog {
  public:
    explicit AnsweringDialog(QString answer) : PuzzleFileDialog(nullptr), answer_(answer) {}
    std::optional<QString> ShowSave(const QString&) override { return answer_; }

  private:
    QString answer_;
};

int save(const QString& path) {
    ninefold::Board board;
    board.SetCell(1, 5, true, ninefold::BackColour::White);
    board.SetCell(81, 9, false, ninefold::BackColour::White);
    int shown = 0;
    ninefold::FileCommands commands(nullptr, board,
                                    {[&shown](const std::string& text) {
                                         std::fprintf(stderr, "%s\n", text.c_str());
                                         ++shown;
                                     },
                                     nullptr});
    commands.SetDialog(std::make_unique<AnsweringDialog>(path));
    commands.mnuSave_Click();
    return shown == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("save")) {
        return save(args[2]);
    }
    if (args.size() == 2 &&
        (args[1] == QLatin1String("register") || args[1] == QLatin1String("remove"))) {
        ninefold::mdlExtension::SetAssociationEntries(
            ninefold::AssociationEntries(QStringLiteral("Ninefold"), ninefold::ProgramPath()));
        if (args[1] == QLatin1String("register")) {
            ninefold::mdlExtension::RegisterExtension();
        } else {
            ninefold::mdlExtension::UnregisterExtension();
        }
        return 0;
    }
    std::fprintf(stderr, "usage: writers_driver save PATH | register | remove\n");
    return 2;
}
