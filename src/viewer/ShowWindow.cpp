#include "viewer/ShowWindow.h"

#include <QApplication>
#include <QEventLoop>

#include "core/QtRuntime.h"
#include "platform/WidgetApplication.h"
#include "kalder/Preview.h"
#include "viewer/PreviewWindow.h"
#include "viewer/WindowSettings.h"

namespace kalder {

namespace {
// Widgets need a QApplication: whenever this code is part of the program, it is the one.
const bool kWidgetApplication = registerApplicationMaker(makeWidgetApplication);
}  // namespace

bool ensureWidgetApplication() {
    ensureGuiApplication();
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

PreviewWindow& previewWindowOf(Preview& pv) {
    PreviewWindow* window = pv.windowSettings().open.window;
    return window ? *window : *new PreviewWindow(pv);  // the Preview's settings own it
}

bool showPreviewWindow(Preview& pv) {
    if (!ensureWidgetApplication()) return false;
    PreviewWindow& window = previewWindowOf(pv);
    const bool modal = pv.windowSettings().Modal;
    if (!window.isVisible()) window.setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    window.load();
    window.showWithState();
    if (modal && window.isVisible()) {
        QEventLoop loop;
        QObject::connect(&window, &PreviewWindow::closed, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

}  // namespace kalder
