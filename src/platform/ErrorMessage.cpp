#include "platform/ErrorMessage.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace kalder {

void showErrorMessage(const std::string& title, const std::string& text) {
    const bool screen = qobject_cast<QApplication*>(QCoreApplication::instance()) &&
                        QGuiApplication::platformName() != QLatin1String("offscreen") &&
                        QGuiApplication::platformName() != QLatin1String("minimal");
    if (screen) {
        QMessageBox::warning(nullptr, QString::fromStdString(title), QString::fromStdString(text));
        return;
    }
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    std::fflush(stderr);
}

}  // namespace kalder
