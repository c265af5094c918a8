// The settings of a Preview that its preview window reads. Defaults are those of a new
// Preview.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kalder {

class PreviewWindow;

// The preview window a Preview has open, if any. The window belongs to its Preview: ending
// the Preview closes and deletes it, so a window never outlives the document it shows.
// Copies of a settings record do not share the window.
// The window sets `close` when it opens, so that ending a Preview reaches the window code
// only when there is a window: a program that never shows one links none of it.
class OpenWindow {
public:
    OpenWindow() = default;
    OpenWindow(const OpenWindow&) {}
    OpenWindow& operator=(const OpenWindow&) { return *this; }
    ~OpenWindow() {
        PreviewWindow* w = window;
        window = nullptr;
        if (w && close) close(w);
    }

    PreviewWindow* window = nullptr;
    void (*close)(PreviewWindow*) = nullptr;  // deletes the window
};

struct WindowSettings {
    std::string Caption = "Kalder";
    std::int32_t Zoom = -1;  // ZoomType: default
    std::int32_t WindowState = 0;  // WindowStateType: normal
    bool Modal = true;
    std::int32_t LeftPositionPreviewWindow = -1;
    std::int32_t TopPositionPreviewWindow = -1;
    bool ShowToolbar = true;
    bool ShowStatusBar = true;
    bool ShowPrintButton = true;
    bool ShowPrintDirectButton = false;
    bool ShowFindButton = true;
    bool ShowZoomButton = true;
    bool ShowCopyClipboardButton = true;
    bool ShowCustomButton = false;
    bool ShowArrows = true;
    bool ShowStatusBarIcon = true;
    bool ShowPrintable = true;
    std::int32_t ShowPrintableColor = 255;
    bool AllowMouseToZoom = true;
    bool MouseWheel = true;
    bool ToolbarIE4 = true;
    bool ShowTrayIcon = true;
    bool ShowInTaskBar = false;
    bool RightToLeft = false;

    // Icons: an image file for the status bar; a file or image bytes for the window (the
    // bytes win when both are set). Empty: the built-in icon.
    std::string StatusBarIconFile;
    std::string IconFilename;
    std::vector<std::uint8_t> IconData;

    OpenWindow open;
};

}  // namespace kalder
