// Icons of the preview window: the desktop's icon theme where it has the icon, else a small
// drawing of our own, so that the toolbar reads the same on a bare system.
#pragma once

#include <QIcon>
#include <string_view>

namespace kalder {

// The icon of a toolbar key ("Exit", "Zoom", "2Pages" ...); a null icon for an unknown key.
QIcon toolbarIcon(std::string_view key);

// The window's and the tray's default icon: a page with a magnifier.
QIcon applicationIcon();

}  // namespace kalder
