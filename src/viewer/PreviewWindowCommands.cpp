// The preview window's commands: copy, find, go to page, print, the custom button, about.
#include "viewer/PreviewWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

#include "core/Version.h"
#include "host/InterfaceTexts.h"
#include "kalder/Preview.h"
#include "viewer/FindDialog.h"
#include "viewer/GotoPageDialog.h"
#include "viewer/PageView.h"
#include "viewer/WindowPrinting.h"

namespace kalder {

namespace {
QString text(std::string_view literal) { return QString::fromStdString(tr(literal)); }
}  // namespace

void PreviewWindow::copyPage() {
    showPages(true);
    QImage page = view_->leftImage();
    if (page.isNull()) return;
    // The page as it is shown, in its own pixels.
    page.setDevicePixelRatio(1.0);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(page);
}

void PreviewWindow::openFind() {
    if (!find_) {
        find_ = new FindDialog([this]() -> const cDocument& { return pv_.document(); }, this);
        find_->currentPage = [this] { return page_; };
        find_->onFound = [this](const SearchMatch& match) {
            highlight_ = match.position;
            highlightPage_ = match.pageNumber;
            if (match.pageNumber == page_)
                showPages();
            else
                goPage(match.pageNumber);
        };
        find_->onNotFound = [this] {
            highlight_ = {};
            highlightPage_ = 0;
            showPages();
        };
    }
    find_->show();
    find_->raise();
    find_->activateWindow();
}

void PreviewWindow::findAgain() {
    if (find_ && find_->hasSearchText())
        find_->findNext();
    else
        openFind();
}

void PreviewWindow::openGoToPage() {
    if (pageCount() < 1) return;
    GotoPageDialog dialog(page_, pageCount(), this);
    dialog.exec();
    if (dialog.choice()) goPage(*dialog.choice());
}

void PreviewWindow::makePrint() {
    try {
        afterPrint(windowPrintingOf(pv_).withDialog(this, page_));
    } catch (const AutomationError& e) {
        QMessageBox::warning(this, QStringLiteral("Kalder"), QString::fromStdString(e.description()));
    }
}

void PreviewWindow::printDirect() {
    try {
        windowPrintingOf(pv_).direct();
        afterPrint(true);
    } catch (const AutomationError& e) {
        QMessageBox::warning(this, QStringLiteral("Kalder"), QString::fromStdString(e.description()));
    }
}

void PreviewWindow::afterPrint(bool completed) {
    if (completed && pv_.QuitAfterPrint()) close();
}

void PreviewWindow::customButton() {
    if (pv_.onCustomButtonClick) pv_.onCustomButtonClick();
}

void PreviewWindow::about() {
    QMessageBox::about(this, text("About@6"),
                       QStringLiteral("<b>Kalder</b> " KALDER_VERSION_STRING "<br>") + windowTitle().toHtmlEscaped());
}

}  // namespace kalder
