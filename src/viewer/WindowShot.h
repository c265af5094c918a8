// A picture of the whole preview window, taken without showing it on a screen: for the
// documentation, for checks of the window's look, and for `kalder show --screenshot`.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

namespace kalder {

class Preview;

struct WindowShot {
    QSize size{1024, 768};  // the window's size in pixels
    QString zoom;           // a text of the zoom box ("75%", "Two Pages"); empty: the Zoom setting
    std::int32_t page = 1;
};

// Loads the Preview's window as it would open, at the shot's size, zoom and page, and returns
// what it shows; the window is hidden again afterwards and its saved position is left as it
// was. A null image when the process cannot show widgets.
QImage grabPreviewWindow(Preview& pv, const WindowShot& shot);

}  // namespace kalder
