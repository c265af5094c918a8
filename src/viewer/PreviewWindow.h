// frmPreview: the preview window of one Preview's document.
//
// A main window with the toolbar (buttons by key: "Exit", "Zoom", "UnZoom", "ComboZoom",
// "Print", "PrintDirect", "Mail", "Find", "First", "Previous", "Next", "Last", "100Pc",
// "PageWidth", "WholePage", "2Pages", "Copy", "CUSTOM", "About"), the zoom list "cbSize" with
// its text box "lbSize", the page view, and the status bar with the icon panel and the page
// panel "Page" (a double-click opens the go-to-page dialog).
//
// The window reads its Preview's settings when it loads (load()) and again whenever a
// setting changes while it is open (applySettings()). Pages are rendered through the
// drawing layer at the current zoom into a cache; moving and repainting reuse the images.
// Errors inside the window's handlers are caught and the handler goes on, as a window that
// shows a document must keep showing it.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "viewer/PageCache.h"
#include "viewer/TextSearch.h"
#include "viewer/ZoomRules.h"

class QAction;
class QComboBox;
class QLabel;
class QToolBar;

namespace kalder {

class FindDialog;
class PageView;
class Preview;
class TrayIcon;
class cDocument;
class cPage;

class PreviewWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit PreviewWindow(Preview& pv);
    ~PreviewWindow() override;

    Preview& preview() noexcept { return pv_; }

    // The steps of loading: texts, caption, settings, position, the initial zoom, page 1.
    void load();
    // Shows the window in the Preview's window state, with its tray icon.
    void showWithState();

    // Pages, 1-based; 0 while the document has none.
    std::int32_t currentPage() const noexcept { return page_; }
    std::int32_t pageCount() const;
    // Shows page n from its top left (or scrolled to its bottom); other numbers are ignored.
    void goPage(std::int32_t n, bool atBottom = false);
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();

    // Zoom. selectZoom takes a text of the zoom list or one typed into the zoom box.
    ZoomMode zoomMode() const noexcept { return mode_; }
    double zoomPercent() const noexcept { return percent_; }
    bool twoPages() const noexcept { return twoPages_; }
    QString zoomText() const;
    void selectZoom(const QString& text);
    void zoomIn();
    void zoomOut();

    void copyPage();
    void openFind();
    void findAgain();  // F3
    void openGoToPage();
    void makePrint();    // the printer setup dialog, then print
    void printDirect();  // print at once
    void customButton();
    void about();

    // Applies the Preview's settings at once: caption, icons, bars, buttons, layout direction.
    void applySettings();
    // Renders again from the document (after it changed) at the current zoom.
    void refresh();

    // The match the find dialog found last, drawn in red on its page.
    const SearchPosition& highlight() const noexcept { return highlight_; }

    QAction* action(const std::string& key) const;
    PageView& pageView() const noexcept { return *view_; }
    QComboBox& zoomBox() const noexcept { return *zoomBox_; }
    QLabel& pagePanel() const noexcept { return *pagePanel_; }
    QLabel& iconPanel() const noexcept { return *iconPanel_; }
    QToolBar& toolbar() const noexcept { return *toolbar_; }
    FindDialog* findDialog() const noexcept { return find_; }
    const PageCache& cache() const noexcept { return cache_; }
    bool hasTrayIcon() const noexcept { return tray_ != nullptr; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolbar();
    void buildStatusBar();
    QAction* addButton(const std::string& key, const char* tipLiteral, std::function<void()> run);
    void fillZoomList();
    void refreshZoom();
    // Shows the current page(s) from the cache; `whole` draws every row of them, otherwise
    // only the rows in view are sure to be drawn and the rest follow when the window is idle.
    void showPages(bool whole = false);
    bool handleKey(QKeyEvent& key);
    void scrollByWheel(int delta);
    void afterPrint(bool completed);
    std::shared_ptr<cPage> pageAt(std::int32_t n) const;
    QRectF printableFrame(const cPage& page, double zoom) const;
    double twipsPerPixel() const;
    void restorePosition();
    void savePosition();
    void updateTray();

    Preview& pv_;
    PageView* view_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QLabel* iconPanel_ = nullptr;
    QLabel* pagePanel_ = nullptr;
    std::map<std::string, QAction*> actions_;
    PageCache cache_;
    FindDialog* find_ = nullptr;
    TrayIcon* tray_ = nullptr;

    std::int32_t page_ = 0;
    ZoomMode mode_ = ZoomMode::WholePage;
    double percent_ = 100;
    bool twoPages_ = false;
    bool refreshing_ = false;
    bool completing_ = false;  // the rest of the shown pages is to be drawn when idle
    SearchPosition highlight_;
    std::int32_t highlightPage_ = 0;
    const cDocument* shownDocument_ = nullptr;  // the document the cache and the page belong to
};

}  // namespace kalder
