// The preview-window family of Preview: the settings the window reads. The settings that
// change what an open window shows reach it at once.
#include "kalder/Preview.h"

#include "viewer/PreviewWindow.h"
#include "viewer/WindowSettings.h"
#include "viewer/ZoomRules.h"

namespace kalder {

namespace {

void applyNow(WindowSettings& ws) {
    if (ws.open.window) ws.open.window->applySettings();
}

}  // namespace

std::string Preview::Caption() const { return window_->Caption; }
void Preview::Caption(const std::string& caption) {
    window_->Caption = caption;
    applyNow(*window_);
}

std::int32_t Preview::Zoom() const { return window_->Zoom; }
void Preview::Zoom(std::int32_t zoom) { window_->Zoom = storedZoom(zoom); }

std::int32_t Preview::WindowState() const { return window_->WindowState; }
void Preview::WindowState(std::int32_t state) { window_->WindowState = state; }

std::int32_t Preview::LeftPositionPreviewWindow() const { return window_->LeftPositionPreviewWindow; }
void Preview::LeftPositionPreviewWindow(std::int32_t left) { window_->LeftPositionPreviewWindow = left; }
std::int32_t Preview::TopPositionPreviewWindow() const { return window_->TopPositionPreviewWindow; }
void Preview::TopPositionPreviewWindow(std::int32_t top) { window_->TopPositionPreviewWindow = top; }

std::int32_t Preview::ShowPrintableColor() const { return window_->ShowPrintableColor; }
void Preview::ShowPrintableColor(std::int32_t color) {
    window_->ShowPrintableColor = color;
    applyNow(*window_);
}

bool Preview::Modal() const { return window_->Modal; }
void Preview::Modal(bool v) { window_->Modal = v; }

bool Preview::ShowToolbar() const { return window_->ShowToolbar; }
void Preview::ShowToolbar(bool v) {
    window_->ShowToolbar = v;
    applyNow(*window_);
}

bool Preview::ShowStatusBar() const { return window_->ShowStatusBar; }
void Preview::ShowStatusBar(bool v) {
    window_->ShowStatusBar = v;
    applyNow(*window_);
}

bool Preview::ShowPrintButton() const { return window_->ShowPrintButton; }
void Preview::ShowPrintButton(bool v) {
    window_->ShowPrintButton = v;
    applyNow(*window_);
}

bool Preview::ShowPrintDirectButton() const { return window_->ShowPrintDirectButton; }
void Preview::ShowPrintDirectButton(bool v) {
    window_->ShowPrintDirectButton = v;
    applyNow(*window_);
}

bool Preview::ShowFindButton() const { return window_->ShowFindButton; }
void Preview::ShowFindButton(bool v) {
    window_->ShowFindButton = v;
    applyNow(*window_);
}

bool Preview::ShowZoomButton() const { return window_->ShowZoomButton; }
void Preview::ShowZoomButton(bool v) {
    window_->ShowZoomButton = v;
    applyNow(*window_);
}

bool Preview::ShowCopyClipboardButton() const { return window_->ShowCopyClipboardButton; }
void Preview::ShowCopyClipboardButton(bool v) {
    window_->ShowCopyClipboardButton = v;
    applyNow(*window_);
}

bool Preview::ShowCustomButton() const { return window_->ShowCustomButton; }
void Preview::ShowCustomButton(bool v) {
    window_->ShowCustomButton = v;
    applyNow(*window_);
}

bool Preview::ShowArrows() const { return window_->ShowArrows; }
void Preview::ShowArrows(bool v) {
    window_->ShowArrows = v;
    applyNow(*window_);
}

bool Preview::ShowStatusBarIcon() const { return window_->ShowStatusBarIcon; }
void Preview::ShowStatusBarIcon(bool v) {
    window_->ShowStatusBarIcon = v;
    applyNow(*window_);
}

bool Preview::ShowPrintable() const { return window_->ShowPrintable; }
void Preview::ShowPrintable(bool v) {
    window_->ShowPrintable = v;
    applyNow(*window_);
}

bool Preview::AllowMouseToZoom() const { return window_->AllowMouseToZoom; }
void Preview::AllowMouseToZoom(bool v) { window_->AllowMouseToZoom = v; }

bool Preview::MouseWheel() const { return window_->MouseWheel; }
void Preview::MouseWheel(bool v) { window_->MouseWheel = v; }

bool Preview::ToolbarIE4() const { return window_->ToolbarIE4; }
void Preview::ToolbarIE4(bool v) {
    window_->ToolbarIE4 = v;
    applyNow(*window_);
}

bool Preview::ShowTrayIcon() const { return window_->ShowTrayIcon; }
void Preview::ShowTrayIcon(bool v) {
    window_->ShowTrayIcon = v;
    applyNow(*window_);
}

bool Preview::ShowInTaskBar() const { return window_->ShowInTaskBar; }
void Preview::ShowInTaskBar(bool v) { window_->ShowInTaskBar = v; }

bool Preview::RightToLeft() const { return window_->RightToLeft; }
void Preview::RightToLeft(bool v) {
    window_->RightToLeft = v;
    applyNow(*window_);
}

void Preview::SetStatusBarIcon(const std::string& IconFile) {
    window_->StatusBarIconFile = IconFile;
    applyNow(*window_);
}

std::string Preview::IconFilename() const { return window_->IconFilename; }
void Preview::IconFilename(const std::string& file) {
    window_->IconFilename = file;
    window_->IconData.clear();
    applyNow(*window_);
}

void Preview::Icon(const std::vector<std::uint8_t>& imageData) {
    window_->IconData = imageData;
    applyNow(*window_);
}

}  // namespace kalder
