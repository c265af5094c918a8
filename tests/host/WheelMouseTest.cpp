// The mouse-wheel hook on real Qt objects: wheel events sent to a widget or a window raise
// MouseUp / MouseDown with the pointer position, and the object still gets every event.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <vector>

#include "core/QtRuntime.h"
#include "kalder/class_WheelMouse.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

// A widget that counts what reaches it.
class CountingWidget : public QWidget {
public:
    int wheels = 0;
    int keys = 0;
    QPoint lastWheelAt;

protected:
    void wheelEvent(QWheelEvent* e) override {
        ++wheels;
        lastWheelAt = e->position().toPoint();
        e->accept();
    }
    void keyPressEvent(QKeyEvent*) override { ++keys; }
};

struct Turn {
    bool up;
    int x, y;
};

class WheelMouseTest : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApplication(); }

    static void turn(QObject& target, QPoint at, QPoint angleDelta, QPoint pixelDelta = {}) {
        const QPointF where(at);
        QWheelEvent e(where, where, pixelDelta, angleDelta, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&target, &e);
    }

    void record(class_WheelMouse& hook) {
        hook.onMouseUp = [this](int x, int y) { turns.push_back({true, x, y}); };
        hook.onMouseDown = [this](int x, int y) { turns.push_back({false, x, y}); };
    }

    std::vector<Turn> turns;
};

TEST_F(WheelMouseTest, DirectionAndPositionOfEachTurn) {
    struct Row {
        const char* name;
        QPoint angle;
        QPoint pixels;
        int expectedTurns;
        bool up;
    };
    test::forEachRow<Row>(
        {
            {"away from the user", {0, 120}, {}, 1, true},
            {"towards the user", {0, -120}, {}, 1, false},
            {"a fine step away", {0, 15}, {}, 1, true},
            {"pixels only, towards", {0, 0}, {0, -4}, 1, false},
            {"sideways only", {120, 0}, {}, 0, false},
        },
        [&](const Row& row) {
            CountingWidget w;
            class_WheelMouse hook;
            record(hook);
            hook.Hook(&w);
            turns.clear();
            turn(w, {37, 51}, row.angle, row.pixels);
            ASSERT_EQ(static_cast<int>(turns.size()), row.expectedTurns);
            EXPECT_EQ(w.wheels, 1) << "the widget must still receive the turn";
            EXPECT_EQ(w.lastWheelAt, QPoint(37, 51));
            if (row.expectedTurns) {
                EXPECT_EQ(turns[0].up, row.up);
                EXPECT_EQ(turns[0].x, 37);
                EXPECT_EQ(turns[0].y, 51);
            }
        });
}

TEST_F(WheelMouseTest, OtherEventsPassUnchanged) {
    CountingWidget w;
    class_WheelMouse hook;
    record(hook);
    hook.Hook(&w);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&w, &key);
    EXPECT_EQ(w.keys, 1);
    EXPECT_TRUE(turns.empty());
}

TEST_F(WheelMouseTest, AWindowHookedTwiceKeepsTheFirstHook) {
    CountingWidget w;
    class_WheelMouse first, second;
    int secondTurns = 0;
    record(first);
    second.onMouseUp = [&](int, int) { ++secondTurns; };
    first.Hook(&w);
    second.Hook(&w);
    EXPECT_EQ(second.hookedWindow(), nullptr);
    turn(w, {1, 2}, {0, 120});
    EXPECT_EQ(turns.size(), 1u);
    EXPECT_EQ(secondTurns, 0);
    EXPECT_EQ(w.wheels, 1);
}

TEST_F(WheelMouseTest, TheHookEndsWithTheObject) {
    CountingWidget w;
    {
        class_WheelMouse hook;
        record(hook);
        hook.Hook(&w);
        EXPECT_EQ(hook.hookedWindow(), &w);
    }
    turn(w, {1, 2}, {0, 120});
    EXPECT_TRUE(turns.empty());
    EXPECT_EQ(w.wheels, 1);
    // Free again for another hook.
    class_WheelMouse again;
    record(again);
    again.Hook(&w);
    turn(w, {3, 4}, {0, -120});
    ASSERT_EQ(turns.size(), 1u);
    EXPECT_FALSE(turns[0].up);
}

TEST_F(WheelMouseTest, HookingAnotherWindowReleasesTheFirst) {
    CountingWidget a, b;
    class_WheelMouse hook;
    record(hook);
    hook.Hook(&a);
    hook.Hook(&b);
    turn(a, {1, 1}, {0, 120});
    EXPECT_TRUE(turns.empty());
    turn(b, {2, 2}, {0, 120});
    EXPECT_EQ(turns.size(), 1u);
    hook.Hook(nullptr);
    turn(b, {2, 2}, {0, 120});
    EXPECT_EQ(turns.size(), 1u);
}

TEST_F(WheelMouseTest, AWindowDestroyedFirstLeavesTheHookHarmless) {
    class_WheelMouse hook;
    record(hook);
    auto w = std::make_unique<CountingWidget>();
    hook.Hook(w.get());
    w.reset();
    EXPECT_EQ(hook.hookedWindow(), nullptr);
    // A new window, maybe at the same address, can be hooked by anyone.
    CountingWidget other;
    class_WheelMouse another;
    another.Hook(&other);
    EXPECT_EQ(another.hookedWindow(), &other);
}

TEST_F(WheelMouseTest, HooksAQWindow) {
    QWindow window;
    class_WheelMouse hook;
    record(hook);
    hook.Hook(&window);
    turn(window, {10, 20}, {0, -240});
    ASSERT_EQ(turns.size(), 1u);
    EXPECT_FALSE(turns[0].up);
    EXPECT_EQ(turns[0].x, 10);
    EXPECT_EQ(turns[0].y, 20);
}

TEST_F(WheelMouseTest, AThrowingHandlerDoesNotStopTheEvent) {
    CountingWidget w;
    class_WheelMouse hook;
    hook.onMouseUp = [](int, int) { throw std::runtime_error("host failure"); };
    hook.Hook(&w);
    turn(w, {1, 1}, {0, 120});
    EXPECT_EQ(w.wheels, 1);
}

}  // namespace
}  // namespace kalder
