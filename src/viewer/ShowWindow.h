// Showing a Preview's document in the preview window: the screen destination of EndDocument.
#pragma once

namespace kalder {

class Preview;
class PreviewWindow;

// Opens (or brings back) the preview window of `pv` on its first page, in the window state,
// position and zoom of its window settings. With Modal set it returns once the window is
// closed, otherwise at once; a modeless window lives on in the host's event loop until it is
// closed or the Preview ends. Returns false, showing nothing, when the process's Qt
// application cannot show widgets (the host created a QGuiApplication, not a QApplication).
bool showPreviewWindow(Preview& pv);

// Makes sure the process has a QApplication (creating one when it has no Qt application);
// false when the host made a QGuiApplication, which cannot show widgets.
bool ensureWidgetApplication();

// The Preview's window, created (hidden, not yet loaded) when it has none. It belongs to the
// Preview and ends with it. Needs a QApplication.
PreviewWindow& previewWindowOf(Preview& pv);

}  // namespace kalder
