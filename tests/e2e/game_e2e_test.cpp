// End to end, as a player would: the real game under its own Xvfb, a puzzle typed into the
// grid (main-keyboard digits, some with Shift or Ctrl held, keypad digits, Space for blanks,
// arrows to move), Ctrl+A to solve, Enter to close the "Puzzle solved." box, and the grid read
// back from the screen's pixels at the cells' known places.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

namespace {

constexpr const char* kPuzzle =
    ".7..12.....68...7....5........6...9..3..8....7.....5.1...1...89....6......5..81.3";
constexpr const char* kSolution =
    "874912635156843972293576814412657398539281746768394521627135489381469257945728163";
constexpr int kEdges[] = {15, 50, 85, 130, 165, 200, 245, 280, 315};

struct Run {
    int exitCode = -1;
    QString out;
};

Run run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    Run result;
    if (process.waitForFinished(30000)) {
        result.exitCode = process.exitCode();
        result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    }
    return result;
}

bool waitFor(const std::function<bool()>& ready, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > milliseconds) {
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

// An X server of the test's own, stopped at the end. Xvfb picks a free display itself and
// writes its number on its standard output once it listens, so tests running at once never
// share one; -noreset keeps it accepting connections between two runs of the game.
class Xvfb {
  public:
    bool start() {
        server_.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                       QStringLiteral("-screen"), QStringLiteral("0"),
                       QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                       QStringLiteral("tcp")});
        QByteArray number;
        const bool ready = waitFor(
            [&] {
                server_.waitForReadyRead(100);
                number += server_.readAllStandardOutput();
                return number.contains('\n');
            },
            10000);
        if (!ready) {
            return false;
        }
        display_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("DISPLAY"), display_);
        return true;
    }
    ~Xvfb() {
        server_.terminate();
        server_.waitForFinished(5000);
    }
    const QProcessEnvironment& env() const { return env_; }

  private:
    QString display_;
    QProcess server_;
    QProcessEnvironment env_;
};

class GameEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "xdotool", "import"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
                GTEST_SKIP() << tool << " is not installed";
            }
        }
        ASSERT_TRUE(xvfb_.start()) << "Xvfb did not start";
        QProcessEnvironment env = xvfb_.env();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        for (const char* name :
             {"QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION"}) {
            env.remove(QLatin1String(name));
        }
        game_.setProcessEnvironment(env);
        game_.start(QStringLiteral(NINEFOLD_GAME), {});
        ASSERT_TRUE(waitFor([&] { return !windows().isEmpty(); }, 20000)) << "no game window";
        window_ = windows().front();
    }

    void TearDown() override {
        game_.kill();
        game_.waitForFinished(5000);
    }

    QStringList windows() {
        return xdotool({"search", "--onlyvisible", "--name", "^Ninefold$"})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QString xdotool(const QStringList& args) {
        return run(QStringLiteral("xdotool"), args, xvfb_.env()).out;
    }

    // The top-left corner of the window's client area on the screen: below the menu bar,
    // which takes whatever the window has beyond the 360-pixel client area.
    QPoint clientOrigin() {
        std::map<QString, int> geometry;
        for (const QString& line : xdotool({"getwindowgeometry", "--shell", window_}).split('\n')) {
            const auto parts = line.split(QLatin1Char('='));
            if (parts.size() == 2) {
                geometry[parts[0]] = parts[1].toInt();
            }
        }
        return {geometry["X"], geometry["Y"] + geometry["HEIGHT"] - 360};
    }

    QImage screenshot() {
        const QString path = dir_.filePath(QStringLiteral("screen.png"));
        run(QStringLiteral("import"), {"-window", "root", path}, xvfb_.env());
        return QImage(path);
    }

    Xvfb xvfb_;
    QProcess game_;
    QString window_;
    QTemporaryDir dir_;
};

// What a cell box shows, read from its 26 x 26 inner pixels: the digit's shape (each pixel's
// ink coverage, whatever the ink's colour), whether the ink is dark red or blue, and whether
// the background is white.
struct CellLook {
    std::vector<bool> shape;
    int inkPixels = 0;
    bool red = false;
    bool blue = false;
    bool whiteBackground = false;
};

CellLook look(const QImage& screen, QPoint topLeft) {
    CellLook cell;
    int reddest = 0;
    int bluest = 0;
    for (int y = 0; y < 26; ++y) {
        for (int x = 0; x < 26; ++x) {
            const QColor c = screen.pixelColor(topLeft + QPoint(x, y));
            const int r = c.red(), g = c.green(), b = c.blue();
            // Coverage: how far from white towards the ink, red #800000 or blue #0000FF.
            const double coverage = std::max((255.0 - g) / 255.0, 0.0);
            cell.shape.push_back(coverage > 0.5);
            cell.inkPixels += coverage > 0.5 ? 1 : 0;
            reddest = std::max(reddest, r - b);
            bluest = std::max(bluest, b - r);
        }
    }
    const QColor corner = screen.pixelColor(topLeft + QPoint(1, 1));
    cell.whiteBackground = corner == QColor(255, 255, 255);
    cell.red = reddest > 60;
    cell.blue = bluest > 60;
    return cell;
}

std::vector<CellLook> readGrid(const QImage& screen, QPoint origin) {
    std::vector<CellLook> grid;
    for (int i = 0; i < 81; ++i) {
        grid.push_back(look(screen, origin + QPoint(kEdges[i % 9] + 2, kEdges[i / 9] + 2)));
    }
    return grid;
}

int differingPixels(const CellLook& a, const CellLook& b) {
    int count = 0;
    for (size_t k = 0; k < a.shape.size(); ++k) {
        count += a.shape[k] != b.shape[k] ? 1 : 0;
    }
    return count;
}

// The keys a player presses to type the puzzle row by row, starting in cell 1.
QStringList typingKeys() {
    QStringList keys;
    for (int i = 0; i < 81; ++i) {
        const char c = kPuzzle[i];
        const QString digit = QString(QLatin1Char(c));
        if (c == '.') {
            keys << QStringLiteral("space");
        } else {
            switch (i % 4) {
                case 0:
                    keys << digit;
                    break;
                case 1:
                    keys << QStringLiteral("shift+") + digit;
                    break;
                case 2:
                    keys << QStringLiteral("KP_") + digit;
                    break;
                default:
                    keys << QStringLiteral("ctrl+") + digit;
                    break;
            }
        }
        if (i % 9 < 8) {
            keys << QStringLiteral("Right");
        } else if (i < 80) {
            keys << QStringLiteral("Down") << QStringLiteral("Home");
        }
    }
    return keys;
}

TEST_F(GameEndToEnd, TypedPuzzleIsSolvedWithCtrlA) {
    xdotool({"mousemove", "0", "0"});  // the pointer stays off the grid
    xdotool({"windowfocus", "--sync", window_});
    xdotool(QStringList{"key", "--delay", "15"} + typingKeys());
    QThread::msleep(300);
    const QPoint origin = clientOrigin();

    const std::vector<CellLook> typed = readGrid(screenshot(), origin);
    for (int i = 0; i < 81; ++i) {
        const bool given = kPuzzle[i] != '.';
        EXPECT_EQ(typed[i].inkPixels > 0, given) << "cell " << i + 1;
        EXPECT_EQ(typed[i].red, given) << "cell " << i + 1;
        EXPECT_FALSE(typed[i].blue) << "cell " << i + 1;
    }

    xdotool({"key", "ctrl+a"});
    ASSERT_TRUE(waitFor([&] { return windows().size() == 2; }, 30000)) << "no message box";
    // Without a window manager the box may be mapped before it can take the keyboard: give it
    // the focus, as a click would, and press Enter again if a press came too early.
    bool closed = false;
    for (int attempt = 0; attempt < 5 && !closed; ++attempt) {
        for (const QString& id : windows()) {
            if (id != window_) {
                xdotool({"windowfocus", "--sync", id});
            }
        }
        xdotool({"key", "Return"});
        closed = waitFor([&] { return windows().size() == 1; }, 3000);
    }
    ASSERT_TRUE(closed) << "box stayed open";
    QThread::msleep(300);

    const std::vector<CellLook> solved = readGrid(screenshot(), origin);
    for (int i = 0; i < 81; ++i) {
        const bool given = kPuzzle[i] != '.';
        EXPECT_GT(solved[i].inkPixels, 0) << "cell " << i + 1;
        EXPECT_EQ(solved[i].red, given) << "cell " << i + 1;
        EXPECT_EQ(solved[i].blue, !given) << "cell " << i + 1;
        EXPECT_TRUE(solved[i].whiteBackground) << "cell " << i + 1;
    }
    // Cells showing the same digit look alike, different digits differ (3 and 8 by the fewest
    // pixels): together with the typed givens this pins every digit of the solution.
    for (int i = 0; i < 81; ++i) {
        for (int j = i + 1; j < 81; ++j) {
            const int differ = differingPixels(solved[i], solved[j]);
            if (kSolution[i] == kSolution[j]) {
                EXPECT_LE(differ, 1) << "cells " << i + 1 << " and " << j + 1;
            } else {
                EXPECT_GE(differ, 4) << "cells " << i + 1 << " and " << j + 1;
            }
        }
    }
}

}  // namespace
