// class_WheelMouse: turns of the mouse wheel over one of the caller's windows, as events.
//
//   kalder::class_WheelMouse wheel;
//   wheel.onMouseDown = [](int x, int y) { ... };   // wheel turned towards the user
//   wheel.Hook(myWidget->windowHandle());            // or the widget itself
//
// Hook watches a QWindow or a QWidget (any QObject that receives wheel events) through an
// event filter: every event, the wheel turns included, still reaches the window unchanged;
// the events are raised before the window sees the turn. A QWidget receives the turns made
// over itself (Qt hands a turn to the widget under the pointer first); a top-level window's
// QWindow receives every turn made over the window.
//
// One hook per window: hooking a window that another class_WheelMouse already hooks does
// nothing. The hook is removed when the object ends, when it hooks another window, or when
// the window is destroyed. Use from the thread that owns the window.
#pragma once

#include <functional>
#include <memory>

class QObject;

namespace kalder {

class class_WheelMouse {
public:
    class_WheelMouse();
    ~class_WheelMouse();
    class_WheelMouse(const class_WheelMouse&) = delete;
    class_WheelMouse& operator=(const class_WheelMouse&) = delete;

    // Starts watching the window; nullptr only removes the current hook.
    void Hook(QObject* window);
    // The window hooked now, or nullptr.
    QObject* hookedWindow() const;

    // Raised for each wheel turn, with the pointer position in the hooked window's
    // coordinates: MouseUp when the wheel turned away from the user, MouseDown towards the
    // user. A purely sideways turn raises neither.
    std::function<void(int X, int Y)> onMouseUp;
    std::function<void(int X, int Y)> onMouseDown;

private:
    class Filter;
    void unhook();

    std::unique_ptr<Filter> filter_;
};

}  // namespace kalder
