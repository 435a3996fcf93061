// Prints how the game window performs: start to a shown window, the Solve command on the
// hardest shared benchmark puzzle (the one the search tries most digits on) against the
// engine's own time for it, and how soon Esc in the wait window ends a long search.
// Usage: bench_ui [FILE_OR_FOLDER...]; without arguments, the shared benchmark folder.
#include <unistd.h>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board_text.h"
#include "engine/solver.h"
#include "ui/game_window.h"
#include "ui/wait_window.h"

namespace {

using namespace ninefold;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Seconds since the process was started, from the kernel's record (10 ms resolution).
double processAge() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos) {
        return -1;
    }
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return static_cast<double>(boot.tv_sec) + static_cast<double>(boot.tv_nsec) / 1e9 -
           std::stod(field) / ticks;
}

class SilentMessages : public MessageSeam {
  public:
    void information(const std::string& text) override { last = text; }
    void exclamation(const std::string& text) override { last = text; }
    bool question(const std::string& /*text*/) override { return true; }
    void plain(const std::string& /*text*/) override {}
    std::string last;
};

struct Hardest {
    std::string line;
    std::string file;
    uint64_t tried = 0;
};

std::vector<fs::path> filesOf(const fs::path& place) {
    std::vector<fs::path> files;
    if (fs::is_directory(place)) {
        for (const auto& entry : fs::directory_iterator(place)) {
            if (entry.path().extension() == ".txt") {
                files.push_back(entry.path());
            }
        }
        std::sort(files.begin(), files.end());
    } else {
        files.push_back(place);
    }
    return files;
}

Hardest findHardest(const std::vector<fs::path>& places) {
    Hardest hardest;
    Board board;
    for (const fs::path& place : places) {
        for (const fs::path& file : filesOf(place)) {
            std::ifstream in(file);
            std::string line;
            while (std::getline(in, line)) {
                const auto grid = ParseBoardLine(line);
                if (!grid) {
                    continue;
                }
                board.WriteCells(*grid);
                const SolveResult result = SolveCommand(board);
                if (result.search.triedDigits > hardest.tried) {
                    hardest = {line.substr(0, 81), file.filename().string(),
                               result.search.triedDigits};
                }
            }
        }
    }
    return hardest;
}

double engineSeconds(const CellGrid& grid) {
    double best = 1e9;
    Board board;
    for (int run = 0; run < 3; ++run) {
        board.WriteCells(grid);
        const auto start = Clock::now();
        SolveCommand(board);
        best = std::min(best, secondsSince(start));
    }
    return best;
}

double windowSeconds(frmGame& game, const CellGrid& grid, SilentMessages& messages) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        game.session().board().WriteCells(grid);
        QCoreApplication::processEvents();
        const auto start = Clock::now();
        game.session().mnuSolve_Click();
        best = std::min(best, secondsSince(start));
        if (messages.last != "Puzzle solved.") {
            std::printf("  (the window's run ended with \"%s\")\n", messages.last.c_str());
        }
    }
    return best;
}

// A board whose search runs for ages: box 9 has no place for a 9, which only the search's last
// rows find, and row 1 holds a repeat marked yellow already, on which Solve skips no branch.
void writeEndlessBoard(Board& board) {
    board.WriteCells(*ParseBoardLine(
        "11..........................................................345......6789........"));
    board.SetCell(1, 1, true, BackColour::Yellow);
    board.SetCell(2, 1, true, BackColour::Yellow);
}

frmWait* openWaitWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* wait = qobject_cast<frmWait*>(window)) {
            return wait;
        }
    }
    return nullptr;
}

// Presses Esc in the wait window after the given delay and measures until Solve returns.
double escLatency(frmGame& game, int delayMs) {
    writeEndlessBoard(game.session().board());
    QCoreApplication::processEvents();
    Clock::time_point pressed;
    QTimer::singleShot(delayMs, &game, [&] {
        if (frmWait* wait = openWaitWindow()) {
            pressed = Clock::now();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(wait, &press);
        }
    });
    game.session().mnuSolve_Click();
    return pressed == Clock::time_point{} ? -1 : secondsSince(pressed);
}

}  // namespace

int main(int argc, char** argv) {
    const auto mainStart = Clock::now();
    const double ageAtMain = processAge();
    QApplication app(argc, argv);
    SilentMessages messages;
    frmGame game;
    game.session().setMessageSeam(&messages);
    game.Form_Load();
    game.setWindowTitle(QString::fromLatin1(kApplicationTitle));
    while (game.windowHandle() == nullptr || !game.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    QCoreApplication::processEvents();
    const double shownAfterMain = secondsSince(mainStart);
    std::printf("platform                 %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("start to shown window    %.3f s from main(), %.3f s from process start\n",
                shownAfterMain, ageAtMain + shownAfterMain);

    std::vector<fs::path> places;
    for (int i = 1; i < argc; ++i) {
        places.emplace_back(argv[i]);
    }
    if (places.empty()) {
        places.emplace_back(NINEFOLD_BENCH_DIR);
    }
    const Hardest hardest = findHardest(places);
    if (hardest.tried == 0) {
        std::printf("no puzzle needed the search\n");
        return 0;
    }
    const CellGrid grid = *ParseBoardLine(hardest.line);
    std::printf("hardest puzzle           %s (%s), %llu tried digits\n", hardest.line.c_str(),
                hardest.file.c_str(), static_cast<unsigned long long>(hardest.tried));

    const double engine = engineSeconds(grid);
    const double window = windowSeconds(game, grid, messages);
    std::printf("engine Solve             %.3f s\n", engine);
    std::printf(
        "window Solve             %.3f s (%.2f x engine; target 1.5 x engine + 0.1 s = "
        "%.3f s)\n",
        window, window / engine, 1.5 * engine + 0.1);
    std::printf("pump cost                %.2f us per tried digit\n",
                (window - engine) * 1e6 / static_cast<double>(hardest.tried));

    double worst = 0;
    for (int delay : {20, 60, 120, 180}) {
        worst = std::max(worst, escLatency(game, delay));
    }
    std::printf(
        "Esc to search ended      %.2f ms at worst over 4 presses, on a search that "
        "runs for ages\n",
        worst * 1e3);
    return 0;
}
