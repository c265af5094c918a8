// The settings of a Preview that its preview window reads. Defaults are those of a new
// Preview.
#pragma once

#include <cstdint>
#include <string>

namespace kalder {

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
};

}  // namespace kalder
