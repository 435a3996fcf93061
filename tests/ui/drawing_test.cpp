// What the window draws, read from its pixels at the scale the test runs with: every cell box
// and the panel with their whole sunken border and no gap, all four sides of the focus frame,
// an unbroken edge under the menu bar, and the same look while the wait window shows.
#include <QMenuBar>
#include <QTest>
#include <cmath>
#include <sstream>

#include "tests/ui/game_fixture.h"
#include "ui/candidate_panel.h"
#include "ui/cell_box.h"
#include "ui/solve_box.h"

namespace ninefold::testing {
namespace {

// A stretch of one colour along a line of device pixels; its width in window pixels, or 0
// where any width will do.
struct Band {
    QColor colour;
    int width;
};

class DrawingTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        game->resize(900, 600);
        settle();
        scale = game->devicePixelRatioF();
        image = game->grab().toImage();
    }

    QColor role(QPalette::ColorRole r) const { return game->centralWidget()->palette().color(r); }

    // The device pixel that holds the window pixel at `at`.
    int device(double at) const { return static_cast<int>(std::floor(at * scale)); }

    // Reads the device pixels from `from` (window pixels) `length` window pixels on along
    // `step`, and compares their runs of one colour with the bands: same colours in the same
    // order, each band as wide as its window pixels allow at this scale.
    void expectBands(QPointF from, QPoint step, int length, const std::vector<Band>& bands,
                     const std::string& where) const {
        const QPoint start(device(from.x()), device(from.y()));
        const int count = static_cast<int>(std::floor(length * scale));
        std::vector<std::pair<QRgb, int>> runs;
        for (int k = 0; k < count; ++k) {
            const QRgb c = image.pixel(start + step * k);
            if (runs.empty() || runs.back().first != c) {
                runs.push_back({c, 0});
            }
            ++runs.back().second;
        }
        std::ostringstream seen;
        for (const auto& [colour, width] : runs) {
            seen << QColor(colour).name().toStdString() << "x" << width << " ";
        }
        ASSERT_EQ(runs.size(), bands.size()) << where << ": " << seen.str();
        for (size_t k = 0; k < bands.size(); ++k) {
            EXPECT_EQ(QColor(runs[k].first).name(), bands[k].colour.name())
                << where << " band " << k << ": " << seen.str();
            if (bands[k].width > 0) {
                EXPECT_GE(runs[k].second, std::floor(bands[k].width * scale)) << where << " " << k;
                EXPECT_LE(runs[k].second, std::ceil(bands[k].width * scale)) << where << " " << k;
            }
        }
    }

    double scale = 1;
    QImage image;
};

TEST_F(DrawingTest, BoxesFrameAndPanelDrawWholeAtThisScale) {
    const QColor window = role(QPalette::Window);
    const QColor frame = role(QPalette::WindowText);
    const std::vector<Band> sunken = {{role(QPalette::Dark), 1}, {role(QPalette::Shadow), 1}};
    const std::vector<Band> raised = {{role(QPalette::Midlight), 1}, {role(QPalette::Light), 1}};
    const QPoint client = game->centralWidget()->pos();

    // Across the middle of every cell box, both ways; cell 1 carries the focus frame.
    for (int i = 1; i <= kCellCount; ++i) {
        std::vector<Band> bands = {{window, 0}};
        if (i == 1) {
            bands.push_back({frame, 1});
        }
        bands.insert(bands.end(), sunken.begin(), sunken.end());
        bands.push_back({kWhiteBackground, 26});
        bands.insert(bands.end(), raised.begin(), raised.end());
        if (i == 1) {
            bands.push_back({frame, 1});
        }
        bands.push_back({window, 0});
        const QPointF topLeft = cellBox(i)->pos() + client;
        const std::string cell = "cell " + std::to_string(i);
        expectBands(topLeft + QPointF(-3, 15.5), {1, 0}, 36, bands, cell + " across");
        expectBands(topLeft + QPointF(15.5, -3), {0, 1}, 36, bands, cell + " down");
    }

    // Across the panel through its first row of boxes, and down through its first column.
    const QColor box = solveBox(1)->excludedColour();
    auto panelBands = [&](int edge, std::initializer_list<int> gaps, int boxSize) {
        std::vector<Band> bands = {{window, 0}};
        bands.insert(bands.end(), sunken.begin(), sunken.end());
        bands.push_back({window, edge});
        for (int gap : gaps) {
            bands.push_back({box, boxSize});
            bands.push_back({window, gap});
        }
        bands.insert(bands.end(), raised.begin(), raised.end());
        bands.push_back({window, 0});
        return bands;
    };
    const QPointF panel = candidatePanel()->pos() + client;
    expectBands(panel + QPointF(-3, 2 + 20 + 20.5), {1, 0}, 450,
                panelBands(10, {5, 5, 15, 5, 5, 15, 5, 5, 10}, 40), "panel across");
    expectBands(panel + QPointF(2 + 10 + 20.5, -3), {0, 1}, 469,
                panelBands(20, {5, 5, 15, 5, 5, 15, 5, 5, 10}, 41), "panel down");

    // The bottom rows of the menu bar, where its edge is drawn, are each of one colour.
    const int barBottom = game->menuBar()->geometry().bottom() + 1;
    for (int y = device(barBottom - 2); y < std::ceil(barBottom * scale); ++y) {
        for (int x = 1; x < image.width(); ++x) {
            ASSERT_EQ(image.pixelColor(x, y), image.pixelColor(0, y))
                << "menu bar edge broken at device pixel " << x << "," << y;
        }
    }
}

TEST_F(DrawingTest, GridAndPanelKeepTheirLookWhileTheWaitWindowShows) {
    load("5.3......7...............................................................9.......");
    session().board().SetCell(2, 4, false, BackColour::Yellow);
    session().picSolveHolder_DblClick();
    flushPaints();
    const QImage before = game->centralWidget()->grab().toImage();
    session().ShowWaitWindow(false);
    const QImage during = game->centralWidget()->grab().toImage();
    session().CloseWaitWindow();
    EXPECT_TRUE(before == during);
}

}  // namespace
}  // namespace ninefold::testing
