// The QApplication the window and the print code need. Code that shows widgets registers it,
// from a static initialiser, as the application the library creates (core/QtRuntime.h):
//   const bool kWidgetApplication = registerApplicationMaker(makeWidgetApplication);
// A program that links no such code gets a QGuiApplication and no widget library.
#pragma once

class QCoreApplication;

namespace kalder {

QCoreApplication* makeWidgetApplication(int& argc, char** argv);

}  // namespace kalder
