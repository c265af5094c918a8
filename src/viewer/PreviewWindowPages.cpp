// The preview window's page display: the current page, the zoom, the keys, the mouse and the
// wheel.
#include "viewer/PreviewWindow.h"

#include "platform/PageImage.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QStyle>
#include <cmath>
#include <limits>

#include "document/cDocument.h"
#include "host/InterfaceTexts.h"
#include "kalder/Preview.h"
#include "viewer/PageView.h"
#include "viewer/WindowSettings.h"

namespace kalder {

namespace {

// Room around a page, and between two pages, twips.
constexpr double kPageMargin = 50;

QColor colorOf(std::int32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

}  // namespace

std::int32_t PreviewWindow::pageCount() const { return pv_.document().PagesCount(); }

std::shared_ptr<cPage> PreviewWindow::pageAt(std::int32_t n) const { return pv_.document().pages().Item(n); }

QString PreviewWindow::zoomText() const { return zoomBox_->currentText(); }

void PreviewWindow::goPage(std::int32_t n, bool atBottom) {
    if (n < 1 || n > pageCount()) return;
    page_ = n;
    refreshZoom();
    view_->horizontalScrollBar()->setValue(0);
    QScrollBar* v = view_->verticalScrollBar();
    v->setValue(atBottom ? v->maximum() : 0);
}

void PreviewWindow::firstPage() { goPage(1); }
void PreviewWindow::previousPage() { goPage(page_ - 1); }
void PreviewWindow::nextPage() { goPage(page_ + 1); }
void PreviewWindow::lastPage() { goPage(pageCount()); }

void PreviewWindow::selectZoom(const QString& text) {
    const ZoomChoice choice = chooseZoom(text.toStdString(), pageCount(), currentZoomNames());
    mode_ = choice.mode;
    twoPages_ = choice.twoPages;
    if (choice.mode == ZoomMode::Percent) percent_ = choice.percent;
    zoomBox_->setEditText(QString::fromStdString(choice.text));
    refreshZoom();
}

void PreviewWindow::zoomIn() {
    const WindowSettings& ws = pv_.windowSettings();
    if ((!ws.ShowZoomButton && !ws.AllowMouseToZoom) || twoPages_) return;
    selectZoom(QString::fromStdString(percentText(zoomedIn(percent_))));
}

void PreviewWindow::zoomOut() {
    const WindowSettings& ws = pv_.windowSettings();
    if ((!ws.ShowZoomButton && !ws.AllowMouseToZoom) || twoPages_) return;
    selectZoom(QString::fromStdString(percentText(zoomedOut(percent_))));
}

void PreviewWindow::refresh() {
    cache_.clear();
    refreshZoom();
}

void PreviewWindow::refreshZoom() {
    // Showing or hiding a scroll bar resizes the view, which asks for a refresh again.
    if (refreshing_) return;
    refreshing_ = true;
    try {
        if (shownDocument_ != &pv_.document()) {
            // The Preview replaced its document (after printing or exporting): start over.
            shownDocument_ = &pv_.document();
            cache_.clear();
            highlight_ = {};
            highlightPage_ = 0;
            page_ = pageCount() > 0 ? 1 : 0;
        }
        page_ = std::min(page_, pageCount());
        if (page_ < 1 && pageCount() > 0) page_ = 1;
        if (const auto page = pageAt(page_)) {
            const double tpp = twipsPerPixel();
            const QSize area = view_->areaSize();
            const int bar = view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view_);
            ZoomGeometry g;
            g.pageWidth = page->PageWidth();
            g.pageHeight = page->PageHeight();
            g.areaWidth = area.width() * tpp;
            g.areaHeight = area.height() * tpp;
            g.scrollBarWidth = g.scrollBarHeight = bar * tpp;
            const ZoomFit fit = fitZoom(mode_, percent_, g);
            if (mode_ != ZoomMode::Percent) percent_ = fit.percent;
            // Set only when it changes: setting a policy lays the view out again even when it
            // is the same.
            const Qt::ScrollBarPolicy vertical = fit.verticalBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
            const Qt::ScrollBarPolicy horizontal = fit.horizontalBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
            if (view_->verticalScrollBarPolicy() != vertical) view_->setVerticalScrollBarPolicy(vertical);
            if (view_->horizontalScrollBarPolicy() != horizontal) view_->setHorizontalScrollBarPolicy(horizontal);
        }
        showPages();
    } catch (...) {
        // A page that cannot be shown leaves the previous picture.
    }
    refreshing_ = false;
}

QRectF PreviewWindow::printableFrame(const cPage& page, double zoom) const {
    const cDocument& doc = pv_.document();
    double left = pv_.MarginWidth();
    double top = pv_.MarginHeight();
    double width = pv_.PrintWidth();
    double height = pv_.PrintHeight();
    const double pageWidth = page.PageWidth();
    const double pageHeight = page.PageHeight();
    // The printer's metrics are for its own sheet; a page turned the other way has them
    // turned too, and a page of another paper size keeps the margins on every side.
    if ((width > height) != (pageWidth > pageHeight)) {
        std::swap(left, top);
        std::swap(width, height);
    }
    if (page.PageSize() != doc.PrinterStyle.PaperSize) {
        width = pageWidth - 2 * left;
        height = pageHeight - 2 * top;
    }
    if (width <= 0 || height <= 0) return {};
    const double scale = zoom / twipsPerPixel();
    return QRectF(left * scale, top * scale, width * scale, height * scale);
}

void PreviewWindow::showPages(bool whole) {
    const std::int32_t count = pageCount();
    const auto page = pageAt(page_);
    const WindowSettings& ws = pv_.windowSettings();
    if (!page) {
        view_->clearPages();
        for (const char* key : {"First", "Previous", "Next", "Last"}) action(key)->setEnabled(false);
        pagePanel_->clear();
        return;
    }
    const double zoom = zoomFactorOf(percent_);
    const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    const double ratio = devicePixelRatioF();
    const cDocument& doc = pv_.document();
    cache_.setPrinter(currentPrinterMetrics(pv_));
    auto highlightOn = [&](std::int32_t n) { return n == highlightPage_ ? highlight_.element : std::string(); };

    const int margin = std::max(2, static_cast<int>(std::lround(kPageMargin / twipsPerPixel())));
    std::shared_ptr<cPage> rightPage = twoPages_ ? pageAt(page_ + 1) : nullptr;
    for (int pass = 0; pass < 2; ++pass) {
        // The rows of the page images in view (both pages start at the same height); a page
        // turned at a high zoom is drawn there first, which is what the reader looks at.
        const int scrolled = view_->verticalScrollBar()->value();
        int rowsFrom = 0, rowsTo = std::numeric_limits<int>::max();
        if (!whole) {
            const int top = scrolled - margin;
            rowsFrom = static_cast<int>(std::floor(top * ratio));
            rowsTo = static_cast<int>(std::ceil((top + view_->viewport()->height()) * ratio)) + 1;
        }
        // The cache draws missing rows into its own images; the view lets go of its copies so
        // that they are not copied first.
        view_->releasePages();
        const QImage left = cache_.page(doc, *page, zoom, dpi, ratio, highlightOn(page_), rowsFrom, rowsTo);
        const QImage right = rightPage ? cache_.page(doc, *rightPage, zoom, dpi, ratio, highlightOn(page_ + 1),
                                                     rowsFrom, rowsTo)
                                       : QImage();
        view_->setPages(left, right, margin, margin);
        // Pages of another size can move the scroll bar (a shorter page scrolled to its
        // end): the rows in view then are drawn too.
        if (whole || view_->verticalScrollBar()->value() == scrolled) break;
    }
    const bool complete = cache_.complete(*page, zoom, dpi, ratio, highlightOn(page_)) &&
                          (!rightPage || cache_.complete(*rightPage, zoom, dpi, ratio, highlightOn(page_ + 1)));
    if (!complete && !completing_) {
        completing_ = true;
        QTimer::singleShot(0, this, [this] {
            completing_ = false;
            try {
                showPages(true);
            } catch (...) {
                // The rows in view stay as they are.
            }
        });
    }
    if (ws.ShowPrintable)
        view_->setPrintableFrames(printableFrame(*page, zoom),
                                  rightPage ? printableFrame(*rightPage, zoom) : QRectF(),
                                  colorOf(ws.ShowPrintableColor));
    else
        view_->setPrintableFrames({}, {}, {});

    action("First")->setEnabled(page_ > 1);
    action("Previous")->setEnabled(page_ > 1);
    action("Next")->setEnabled(page_ < count);
    action("Last")->setEnabled(page_ < count);
    pagePanel_->setText(QString::fromStdString(kalder::tr("Page@5")) + QStringLiteral(" %1/%2").arg(page_).arg(count));
}

bool PreviewWindow::handleKey(QKeyEvent& key) {
    const WindowSettings& ws = pv_.windowSettings();
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    QScrollBar* v = view_->verticalScrollBar();
    QScrollBar* h = view_->horizontalScrollBar();
    try {
        // Ctrl+P and Ctrl+F act as their buttons, and like them only while they are shown.
        if (mods == Qt::ControlModifier && key.key() == Qt::Key_P) {
            if (ws.ShowPrintButton) makePrint();
            return true;
        }
        if (mods == Qt::ControlModifier && key.key() == Qt::Key_F) {
            if (ws.ShowFindButton) openFind();
            return true;
        }
        if (mods != Qt::NoModifier) return false;
        switch (key.key()) {
            case Qt::Key_F3:
                findAgain();
                return true;
            case Qt::Key_Escape:
                close();
                return true;
            case Qt::Key_Up:
            case Qt::Key_PageUp:
                if (v->value() > v->minimum())
                    v->setValue(v->value() - v->singleStep());
                else if (page_ >= 2)
                    goPage(page_ - 1, true);
                return true;
            case Qt::Key_Down:
            case Qt::Key_PageDown:
                if (v->value() < v->maximum())
                    v->setValue(v->value() + v->singleStep());
                else if (page_ < pageCount())
                    goPage(page_ + 1);
                return true;
            case Qt::Key_Left:
                h->setValue(std::max(0, h->value() - h->singleStep()));
                return true;
            case Qt::Key_Right:
                h->setValue(std::min(h->maximum(), h->value() + h->singleStep()));
                return true;
            case Qt::Key_Home:
                h->setValue(0);
                return true;
            case Qt::Key_End:
                h->setValue(h->maximum());
                return true;
            default:
                return false;
        }
    } catch (...) {
        return true;
    }
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
    if (handleKey(*event))
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}

void PreviewWindow::scrollByWheel(int delta) {
    if (!pv_.windowSettings().MouseWheel) return;
    // One notch moves the large change; finer devices move a part of it.
    QScrollBar* v = view_->verticalScrollBar();
    v->setValue(std::clamp(v->value() - delta * v->pageStep() / 120, v->minimum(), v->maximum()));
}

}  // namespace kalder
