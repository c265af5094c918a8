// The library works in hosts that have no Qt application: fonts and images need a
// QGuiApplication, so one is created on first need: a QApplication, so that windows and
// dialogs can be shown later, on the "offscreen" platform when there is no display. The
// host's locale is left as it was: creating a Qt application would otherwise switch the C
// library to the environment's locale.
#pragma once

class QCoreApplication;

namespace kalder {

// Makes sure a QGuiApplication (or QApplication) exists. Call from the thread that will own it.
// Raises 5 "Kalder" when the host made a mere QCoreApplication (no fonts without a GUI one).
void ensureGuiApplication();

// What makes the application object. The window and the print code register a maker of a
// QApplication (widgets need one, and a process has one application object); a program that
// links neither gets a QGuiApplication and never loads the widget library. (The installed
// library is shared and holds both, so its programs get a QApplication; the choice matters
// to builds that link the objects statically.)
using ApplicationMaker = QCoreApplication* (*)(int& argc, char** argv);
// Registers `maker` (from a static initialiser of the code that needs it); returns true.
bool registerApplicationMaker(ApplicationMaker maker);

}  // namespace kalder
