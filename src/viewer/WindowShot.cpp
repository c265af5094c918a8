#include "viewer/WindowShot.h"

#include <QCoreApplication>
#include <QPixmap>

#include "viewer/PreviewWindow.h"
#include "viewer/ShowWindow.h"

namespace kalder {

QImage grabPreviewWindow(Preview& pv, const WindowShot& shot) {
    if (!ensureWidgetApplication()) return {};
    PreviewWindow& window = previewWindowOf(pv);
    window.load();
    window.resize(shot.size);
    window.show();
    QCoreApplication::processEvents();
    if (!shot.zoom.isEmpty()) window.selectZoom(shot.zoom);
    window.goPage(shot.page);
    QCoreApplication::processEvents();
    const QImage image = window.grab().toImage();
    // Hidden, not closed: closing would save this position as the user's.
    window.hide();
    return image;
}

}  // namespace kalder
