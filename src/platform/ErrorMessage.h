// An error shown to the person at the screen: a message box when the program runs on a
// window system, otherwise a line "<title>: <text>" on standard error, since a program
// without a screen (a batch job, the offscreen platform) must not wait on a box nobody sees.
#pragma once

#include <string>

namespace kalder {

void showErrorMessage(const std::string& title, const std::string& text);

}  // namespace kalder
