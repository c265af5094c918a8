#include "kalder/class_WheelMouse.h"

#include <QObject>
#include <QPointer>
#include <QWheelEvent>
#include <map>
#include <mutex>

namespace kalder {

namespace {

// Which object hooks which window, so that a window is hooked once. Windows live on one GUI
// thread, but hooks may be made and ended from others' destructors; the lock keeps it simple.
std::mutex& registryLock() {
    static std::mutex m;
    return m;
}
std::map<const QObject*, const class_WheelMouse*>& registry() {
    static std::map<const QObject*, const class_WheelMouse*> r;
    return r;
}

}  // namespace

class class_WheelMouse::Filter final : public QObject {
public:
    explicit Filter(class_WheelMouse& owner) : owner_(owner) {}

    QPointer<QObject> target;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == target && event->type() == QEvent::Wheel) raise(*static_cast<QWheelEvent*>(event));
        return false;  // the window always gets the event
    }

private:
    void raise(const QWheelEvent& wheel) {
        // Vertical notches; devices that report only pixels (touchpads) give the direction.
        int delta = wheel.angleDelta().y();
        if (delta == 0) delta = wheel.pixelDelta().y();
        if (delta == 0) return;
        const QPoint at = wheel.position().toPoint();
        const auto& handler = delta < 0 ? owner_.onMouseDown : owner_.onMouseUp;
        if (!handler) return;
        try {
            handler(at.x(), at.y());
        } catch (...) {
            // A host's failing handler must not unwind through Qt's event delivery.
        }
    }

    class_WheelMouse& owner_;
};

class_WheelMouse::class_WheelMouse() : filter_(std::make_unique<Filter>(*this)) {}

class_WheelMouse::~class_WheelMouse() { unhook(); }

void class_WheelMouse::Hook(QObject* window) {
    if (window && window == filter_->target) return;
    {
        std::lock_guard g(registryLock());
        if (window && registry().count(window)) return;  // hooked by another object
    }
    unhook();
    if (!window) return;
    {
        std::lock_guard g(registryLock());
        registry()[window] = this;
    }
    filter_->target = window;
    // A filter must live in the thread of the object it watches.
    if (filter_->thread() != window->thread()) filter_->moveToThread(window->thread());
    window->installEventFilter(filter_.get());
    QObject::connect(window, &QObject::destroyed, filter_.get(), [window] {
        std::lock_guard g(registryLock());
        registry().erase(window);
    });
}

QObject* class_WheelMouse::hookedWindow() const { return filter_->target.data(); }

void class_WheelMouse::unhook() {
    QObject* window = filter_->target.data();
    {
        std::lock_guard g(registryLock());
        for (auto it = registry().begin(); it != registry().end();)
            it = it->second == this ? registry().erase(it) : std::next(it);
    }
    if (window) {
        window->removeEventFilter(filter_.get());
        QObject::disconnect(window, &QObject::destroyed, filter_.get(), nullptr);
    }
    filter_->target = nullptr;
}

}  // namespace kalder
