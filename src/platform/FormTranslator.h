// The form translator: a window or dialog is built with interface literals as its texts
// ("Find &Next@66"), and translateForm turns them into the current language when the window
// loads.
//
// It resolves the window's title and, on every child, the texts of labels, buttons (command
// buttons, check boxes, option buttons, tool buttons), group boxes (frames), menu and toolbar
// actions, and the tooltips of widgets and actions. The literal each text came from is kept
// on the object, so a second translation (after a language change) starts from the literal
// again rather than from a translated text.
#pragma once

#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace kalder {

using TextResolver = std::function<std::string(std::string_view literal)>;

void translateForm(QWidget& form, const TextResolver& resolve);

}  // namespace kalder
