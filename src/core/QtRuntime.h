// The library works in hosts that have no Qt application: fonts and images need a
// QGuiApplication, so one is created on first need: a QApplication, so that windows and
// dialogs can be shown later, on the "offscreen" platform when there is no display. The
// host's locale is left as it was: creating a Qt application would otherwise switch the C
// library to the environment's locale.
#pragma once

namespace kalder {

// Makes sure a QGuiApplication (or QApplication) exists. Call from the thread that will own it.
void ensureGuiApplication();

}  // namespace kalder
