#include "platform/WidgetApplication.h"

#include <QApplication>

namespace kalder {

QCoreApplication* makeWidgetApplication(int& argc, char** argv) { return new QApplication(argc, argv); }

}  // namespace kalder
