#include "core/QtRuntime.h"

#include <QGuiApplication>
#include <clocale>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "kalder/AutomationError.h"

namespace kalder {

namespace {
ApplicationMaker& maker() {
    static ApplicationMaker registered = nullptr;
    return registered;
}
}  // namespace

bool registerApplicationMaker(ApplicationMaker m) {
    maker() = m;
    return true;
}

void ensureGuiApplication() {
    if (QCoreApplication::instance()) {
        // Fonts and images abort the process without a QGuiApplication, and Qt allows one
        // application object: a host that made a QCoreApplication gets a clear error instead.
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            throw AutomationError(err::InvalidCall, "Kalder",
                                  "Kalder draws text and pictures through a QGuiApplication (or QApplication); "
                                  "this program made a QCoreApplication");
        return;
    }
    static int argc = 1;
    static char name[] = "kalder";
    static char* argv[] = {name, nullptr};
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!display || !*display) && (!wayland || !*wayland) && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        // Qt wants a private runtime folder and warns on every start without one.
        const std::string dir = "/tmp/runtime-" + std::to_string(::getuid());
        ::mkdir(dir.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 0);
    }
    const char* current = std::setlocale(LC_ALL, nullptr);
    const std::string saved = current ? current : "C";
    // Lives until the process ends; the host may create its own application before calling us.
    // A QApplication when the window or the print code is part of the program (they register
    // its maker), since widgets need one and Qt allows one application object per process.
    static QCoreApplication* app = maker() ? maker()(argc, argv) : new QGuiApplication(argc, argv);
    (void)app;
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace kalder
