// The wheel hook on a plain window: one event per turn wherever the pointer is, the cancel
// flag, a disabled window, unhooking and the hook's lifetime.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

#include "tests/ui/wheel_events.h"
#include "ui/mouse_wheel.h"

namespace ninefold {
namespace {

using testing::kAway;
using testing::kTowards;
using testing::SendWheel;

struct DirectionCase {
    QPoint angle;
    QPoint pixel;
    bool inverted;
    Qt::ScrollPhase phase;
    std::optional<int16_t> dir;
};

TEST(WheelDirection, SignOfTheVerticalTurnInTheWheelsOwnSense) {
    const auto none = std::nullopt;
    const DirectionCase cases[] = {
        {{0, 120}, {}, false, Qt::NoScrollPhase, 1},
        {{0, 240}, {}, false, Qt::NoScrollPhase, 1},  // two notches at once: one step
        {{0, 15}, {}, false, Qt::NoScrollPhase, 1},   // a fine-grained wheel's part notch
        {{0, -120}, {}, false, Qt::NoScrollPhase, -1},
        {{0, 120}, {}, true, Qt::NoScrollPhase, -1},  // reversed scrolling setting
        {{0, 0}, {0, 7}, false, Qt::ScrollUpdate, 1},
        {{0, 0}, {0, -3}, false, Qt::ScrollUpdate, -1},
        {{30, -120}, {}, false, Qt::NoScrollPhase, -1},
        {{0, 0}, {}, false, Qt::NoScrollPhase, 0},  // no distance at all: the window steps down
        {{120, 0}, {}, false, Qt::NoScrollPhase, none},
        {{0, 0}, {-4, 0}, false, Qt::ScrollUpdate, none},
        {{0, 0}, {}, false, Qt::ScrollBegin, none},
        {{0, 0}, {}, false, Qt::ScrollEnd, none},
    };
    for (const DirectionCase& c : cases) {
        const QWheelEvent event(QPointF(), QPointF(), c.pixel, c.angle, Qt::NoButton,
                                Qt::NoModifier, c.phase, c.inverted);
        EXPECT_EQ(WheelDirection(event), c.dir)
            << "angle " << c.angle.x() << "," << c.angle.y() << " pixel " << c.pixel.y();
    }
}

// X11 reports a turn with Alt held on the other axis; read back, Alt changes nothing.
TEST(WheelDirection, AltDoesNotChangeTheTurn) {
    struct AltCase {
        QPoint angle;
        bool altSwapsAxes;
        std::optional<int16_t> dir;
    };
    const AltCase cases[] = {
        {{120, 0}, true, 1},
        {{-120, 0}, true, -1},
        {{0, 120}, true, std::nullopt},  // a sideways tilt, reported as a vertical turn
        {{0, -120}, false, -1},
    };
    for (const AltCase& c : cases) {
        const QWheelEvent event(QPointF(), QPointF(), QPoint(), c.angle, Qt::NoButton,
                                Qt::AltModifier, Qt::NoScrollPhase, false);
        EXPECT_EQ(WheelDirection(event, c.altSwapsAxes), c.dir)
            << "angle " << c.angle.x() << "," << c.angle.y() << " swaps " << c.altSwapsAxes;
    }
}

// Counts the turns a widget itself receives, and takes them.
class WheelTaker : public QWidget {
  public:
    using QWidget::QWidget;
    int turns = 0;

  protected:
    void wheelEvent(QWheelEvent* event) override {
        ++turns;
        event->accept();
    }
};

class HookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(window.get());
        child = new WheelTaker(window.get());
        grandchild = new QWidget(new QWidget(window.get()));
        layout->addWidget(child);
        layout->addWidget(grandchild->parentWidget());
        window->resize(200, 200);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        wheel = std::make_shared<CMouseWheel>();
        QObject::connect(wheel.get(), &CMouseWheel::MouseWheel, wheel.get(),
                         [this](int16_t& direct, bool& cancel) {
                             seen.push_back(direct);
                             cancel = cancelNext;
                         });
        wheel->setForm(window.get());
        wheel->SubClassHookForm();
    }
    void TearDown() override {
        wheel.reset();
        window.reset();
    }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    WheelTaker* child = nullptr;
    QWidget* grandchild = nullptr;
    std::shared_ptr<CMouseWheel> wheel;
    std::vector<int16_t> seen;
    bool cancelNext = false;
};

TEST_F(HookTest, EveryTurnOverAnyWidgetIsOneEvent) {
    SendWheel(child, kAway);
    SendWheel(grandchild, kTowards);  // ignored there, so Qt passes it up to the window
    SendWheel(window.get(), kAway);
    EXPECT_EQ(seen, std::vector<int16_t>({1, -1, 1}));
    EXPECT_EQ(child->turns, 1) << "the turn went on to the widget";
}

TEST_F(HookTest, CancelKeepsTheTurnFromTheWidgetAndStaysSet) {
    cancelNext = true;
    SendWheel(child, kAway);
    EXPECT_TRUE(wheel->MouseWheelCancel());
    EXPECT_EQ(child->turns, 0);
    cancelNext = false;
    SendWheel(child, kAway);
    EXPECT_EQ(child->turns, 1);
    EXPECT_EQ(seen.size(), 2U);
}

TEST_F(HookTest, ADisabledWindowTakesNoTurns) {
    window->setEnabled(false);
    SendWheel(child, kAway);
    window->setEnabled(true);
    SendWheel(child, kAway);
    EXPECT_EQ(seen, std::vector<int16_t>({1}));
}

TEST_F(HookTest, UnhookingStopsTheEventsAndLetsTheObjectGo) {
    std::weak_ptr<CMouseWheel> watch = wheel;
    wheel->SubClassUnHookForm();
    SendWheel(child, kAway);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(child->turns, 1);
    wheel.reset();
    EXPECT_TRUE(watch.expired());
}

TEST_F(HookTest, TheHookKeepsItsObjectUntilTheWindowIsGone) {
    std::weak_ptr<CMouseWheel> watch = wheel;
    wheel->setForm(nullptr);
    wheel.reset();  // the window lets go of its object
    ASSERT_FALSE(watch.expired());
    SendWheel(child, kAway);
    EXPECT_EQ(seen.size(), 1U) << "still fired, as no one disconnected";
    window.reset();
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(mdlScroll::ActiveWheel, nullptr);
}

}  // namespace
}  // namespace ninefold
