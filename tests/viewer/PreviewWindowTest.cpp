// The preview window driven as a user drives it: toolbar actions, the zoom box, keys, mouse
// buttons, the wheel, the settings of its Preview, and its texts in other languages.
#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <cctype>
#include <sstream>

#include "platform/PageImage.h"
#include "support/TableTest.h"
#include "support/Window.h"
#include "viewer/GotoPageDialog.h"
#include "viewer/PageCache.h"

namespace kalder {
namespace {

class PreviewWindowTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        test::buildPages(pv, {{"First page"}, {"Second page"}, {"Third page"}});
    }
    void TearDown() override { pv.SetLanguage(prEnglish); }
};

// The page panel, the zoom box, the mode (and percentage), and the page buttons First,
// Previous, Next, Last as letters, capitals where enabled.
std::string state(PreviewWindow& w) {
    std::ostringstream out;
    out << w.pagePanel().text().toStdString() << ", " << w.zoomText().toStdString() << ", mode "
        << static_cast<int>(w.zoomMode());
    if (w.zoomMode() == ZoomMode::Percent) out << " " << w.zoomPercent();
    out << ", ";
    for (const char* key : {"First", "Previous", "Next", "Last"})
        out << static_cast<char>(w.action(key)->isEnabled() ? key[0] : std::tolower(key[0]));
    return out.str();
}

TEST_F(PreviewWindowTest, OpensOnPageOneAndMovesByPage) {
    PreviewWindow& w = open();
    EXPECT_EQ(state(w), "Page 1/3, Whole Page, mode 1, fpNL");
    EXPECT_EQ(w.windowTitle(), "Kalder");
    EXPECT_EQ(w.action("Exit")->toolTip() + "|" + w.action("Zoom")->toolTip() + "|" + w.action("2Pages")->toolTip() +
                  "|" + w.zoomBox().toolTip(),
              "Exit the preview display|Zoom In|Two Pages|Zoom control");
    EXPECT_EQ(test::comboItems(w.zoomBox()), "175%, 150%, 100%, 75%, 50%, 25%, Page Width, Whole Page, Two Pages");
    w.action("Next")->trigger();
    EXPECT_EQ(state(w), "Page 2/3, Whole Page, mode 1, FPNL");
    w.action("Last")->trigger();
    EXPECT_EQ(state(w), "Page 3/3, Whole Page, mode 1, FPnl");
    w.action("Previous")->trigger();
    EXPECT_EQ(w.currentPage(), 2);
    w.action("First")->trigger();
    EXPECT_EQ(w.currentPage(), 1);
}

TEST_F(PreviewWindowTest, ZoomBoxButtonsAndMouse) {
    pv.Zoom(300);
    EXPECT_EQ(pv.Zoom(), 200);
    PreviewWindow& w = open();
    EXPECT_EQ(state(w), "Page 1/3, 175%, mode 0 175, fpNL");  // 200 opens at the cap
    for (auto [typed, shown] : {std::pair{"abc", "100%, mode 0 100"}, {"300", "175%, mode 0 175"},
                                 {"60", "60%, mode 0 60"}, {"75%", "75%, mode 0 75"}}) {
        test::typeZoom(w, typed);
        EXPECT_EQ(state(w), std::string("Page 1/3, ") + shown + ", fpNL") << typed;
    }
    test::typeZoom(w, "40");
    w.action("UnZoom")->trigger();
    EXPECT_EQ(w.zoomPercent(), 25);
    w.action("UnZoom")->trigger();
    EXPECT_EQ(w.zoomPercent(), 25);
    test::typeZoom(w, "160");
    w.action("Zoom")->trigger();
    EXPECT_EQ(state(w), "Page 1/3, 175%, mode 0 175, fpNL");
    // From a fitted mode the steps go on from the fitted percentage.
    w.action("WholePage")->trigger();
    const double fitted = w.zoomPercent();
    w.action("Zoom")->trigger();
    EXPECT_EQ(w.zoomMode(), ZoomMode::Percent);
    EXPECT_DOUBLE_EQ(w.zoomPercent(), std::min(175.0, std::floor(fitted) + 25));
    // The left button zooms in on the page, the right one out, while mouse zoom is allowed;
    // the buttons zoom while they are shown.
    test::typeZoom(w, "50");
    QWidget& viewport = *w.pageView().viewport();
    test::sendPress(viewport, w.pageView().leftPageRect().center(), Qt::LeftButton);
    EXPECT_EQ(w.zoomPercent(), 75);
    test::sendPress(viewport, w.pageView().leftPageRect().center(), Qt::RightButton);
    EXPECT_EQ(w.zoomPercent(), 50);
    pv.AllowMouseToZoom(false);
    test::sendPress(viewport, w.pageView().leftPageRect().center(), Qt::LeftButton);
    EXPECT_EQ(w.zoomPercent(), 50);
    w.action("Zoom")->trigger();
    EXPECT_EQ(w.zoomPercent(), 75);
    pv.ShowZoomButton(false);
    w.zoomIn();
    EXPECT_EQ(w.zoomPercent(), 75);
}

TEST_F(PreviewWindowTest, TwoPagesAndPageWidth) {
    PreviewWindow& w = open({900, 700});
    w.action("2Pages")->trigger();
    EXPECT_TRUE(w.twoPages() && w.pageView().showsTwoPages());
    const std::string twoPages = state(w);
    EXPECT_EQ(twoPages, "Page 1/3, Two Pages, mode 3, fpNL");
    const double percent = w.zoomPercent();
    w.action("Zoom")->trigger();
    w.action("UnZoom")->trigger();
    test::sendPress(*w.pageView().viewport(), w.pageView().leftPageRect().center(), Qt::LeftButton);
    EXPECT_EQ(state(w), twoPages);  // steps and clicks are ignored
    EXPECT_EQ(w.zoomPercent(), percent);
    w.action("100Pc")->trigger();
    EXPECT_FALSE(w.pageView().showsTwoPages());
    EXPECT_EQ(state(w), "Page 1/3, 100%, mode 0 100, fpNL");
    // A portrait page at its width is taller than the view: the vertical bar is there and
    // the page fills the width beside it, less the margin.
    w.action("PageWidth")->trigger();
    EXPECT_EQ(w.zoomMode(), ZoomMode::PageWidth);
    EXPECT_TRUE(w.pageView().verticalScrollBar()->isVisible());
    EXPECT_NEAR(w.pageView().leftPageRect().width(), w.pageView().viewport()->width() - 100 / 15.0, 2.0);

    Preview one;  // two pages of a one-page document is the whole page
    test::buildPages(one, {{"Only page"}});
    PreviewWindow& single = previewWindowOf(one);
    single.load();
    single.action("2Pages")->trigger();
    EXPECT_FALSE(single.twoPages());
    EXPECT_EQ(state(single), "Page 1/1, Whole Page, mode 1, fpnl");
}

TEST_F(PreviewWindowTest, KeysAndWheelScrollThenTurnPages) {
    PreviewWindow& w = open();
    test::typeZoom(w, "100");
    QScrollBar* v = w.pageView().verticalScrollBar();
    ASSERT_GT(v->maximum(), 0);
    QWidget& view = w.pageView();
    auto press = [&](int key) {
        test::sendKey(view, key);
        return std::to_string(w.currentPage()) + ":" +
               (v->value() == v->maximum() ? "bottom" : std::to_string(v->value() / v->singleStep()));
    };
    EXPECT_EQ(press(Qt::Key_Up), "1:0");  // up at the top of page 1 stays
    EXPECT_EQ(press(Qt::Key_Down), "1:1");
    EXPECT_EQ(press(Qt::Key_PageDown), "1:2");
    v->setValue(v->maximum());
    EXPECT_EQ(press(Qt::Key_Down), "2:0");  // at the bottom Down shows the next page from its top
    EXPECT_EQ(press(Qt::Key_PageUp), "1:bottom");  // at the top, the previous page at its bottom
    w.lastPage();
    v->setValue(v->maximum());
    EXPECT_EQ(press(Qt::Key_Down), "3:bottom");  // the last page's bottom stays
    // The wheel moves by the large change and stops at the top; it can be turned off.
    v->setValue(0);
    test::sendWheel(*w.pageView().viewport(), -120);
    EXPECT_EQ(v->value(), v->pageStep());
    test::sendWheel(*w.pageView().viewport(), 240);
    EXPECT_EQ(v->value(), 0);
    pv.MouseWheel(false);
    test::sendWheel(*w.pageView().viewport(), -120);
    EXPECT_EQ(v->value(), 0);
    // Sideways keys keep within the horizontal bar.
    w.resize(500, 400);
    test::typeZoom(w, "150");
    QScrollBar* h = w.pageView().horizontalScrollBar();
    ASSERT_GT(h->maximum(), 0);
    std::string seen;
    for (int key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_End, Qt::Key_Right, Qt::Key_Home}) {
        test::sendKey(view, key);
        seen += (h->value() == h->maximum() ? "max" : std::to_string(h->value() / h->singleStep())) + " ";
    }
    EXPECT_EQ(seen, "0 1 max max 0 ");
}

TEST_F(PreviewWindowTest, EscapeClosesAndSavesThePosition) {
    pv.LeftPositionPreviewWindow(1500);  // 100 pixels at 15 twips per pixel
    pv.TopPositionPreviewWindow(1200);
    PreviewWindow& w = open();
    EXPECT_EQ(w.pos(), QPoint(100, 80));
    bool closed = false;
    QObject::connect(&w, &PreviewWindow::closed, [&] { closed = true; });
    test::sendKey(w.pageView(), Qt::Key_Escape);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(w.isVisible());
    QSettings settings("Kalder", "Kalder");
    EXPECT_EQ(settings.value("PreviewPosition/Left").toInt(), 1500);
    EXPECT_EQ(settings.value("PreviewPosition/Top").toInt(), 1200);
    // Another Preview without a position of its own opens where the last window closed.
    Preview next;
    test::buildPages(next, {{"x"}});
    PreviewWindow& again = previewWindowOf(next);
    again.load();
    EXPECT_EQ(again.pos(), QPoint(100, 80));
}

TEST_F(PreviewWindowTest, ShowSettingsApplyAtOnce) {
    int custom = 0;
    pv.onCustomButtonClick = [&] { ++custom; };
    PreviewWindow& w = open();
    auto shown = [&] {
        std::string out;
        for (const char* key : {"Print", "PrintDirect", "Find", "Zoom", "UnZoom", "ComboZoom", "100Pc", "PageWidth",
                                "2Pages", "Copy", "CUSTOM", "First", "Previous", "Next", "Last", "Mail", "About"})
            if (w.action(key)->isVisible()) out += std::string(key) + " ";
        return out;
    };
    EXPECT_EQ(shown(), "Print Find Zoom UnZoom ComboZoom 100Pc PageWidth 2Pages Copy First Previous Next Last About ");
    pv.ShowPrintButton(false);
    pv.ShowFindButton(false);
    pv.ShowZoomButton(false);
    pv.ShowCopyClipboardButton(false);
    pv.ShowArrows(false);
    pv.ShowPrintDirectButton(true);
    pv.ShowCustomButton(true);
    EXPECT_EQ(shown(), "PrintDirect CUSTOM About ");
    w.action("CUSTOM")->trigger();
    EXPECT_EQ(custom, 1);
    pv.ShowToolbar(false);
    EXPECT_FALSE(w.toolbar().isVisible());
    pv.ShowStatusBar(false);
    EXPECT_FALSE(w.statusBar()->isVisible());
    pv.ShowStatusBar(true);
    pv.ShowStatusBarIcon(false);
    EXPECT_FALSE(w.iconPanel().isVisible());
    EXPECT_TRUE(w.pagePanel().isVisible());
    pv.Caption("Invoice 42");
    EXPECT_EQ(w.windowTitle(), "Invoice 42");
    pv.RightToLeft(true);
    EXPECT_EQ(w.layoutDirection(), Qt::RightToLeft);
}

TEST_F(PreviewWindowTest, CopyPutsTheShownPageOnTheClipboard) {
    PreviewWindow& w = open();
    test::typeZoom(w, "50");
    QGuiApplication::clipboard()->clear();
    w.action("Copy")->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    // A4 at 50 % and 96 dots per inch.
    EXPECT_NEAR(copied.width(), 11906 * 0.5 / 15, 1);
    EXPECT_NEAR(copied.height(), 16838 * 0.5 / 15, 1);
    EXPECT_EQ(copied.pixelColor(2, 2), QColor(Qt::white));
}

// What the view shows once the application was idle (a repaint then puts one composed
// picture on screen) must follow every page turn, scroll and zoom; repaints and scrolls draw
// from the cache.
TEST_F(PreviewWindowTest, TheShownPictureFollowsTurnsScrollsAndZooms) {
    pv.ShowPrintable(false);  // the frame is drawn over the page picture
    PreviewWindow& w = open();
    PageView& view = w.pageView();
    auto showsItsPage = [&](const char* when) {
        QCoreApplication::processEvents();
        const QImage shown = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect at = view.leftPageRect().intersected(view.viewport()->rect());
        const QImage page = view.leftImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(at.isEmpty()) << when;
        EXPECT_TRUE(shown.copy(at) == page.copy(at.translated(-view.leftPageRect().topLeft()))) << when;
        if (!view.leftPageRect().contains(QPoint(1, 1)))
            EXPECT_EQ(shown.pixelColor(1, 1), QColor(128, 128, 128)) << when;  // the ground
    };
    showsItsPage("opened");
    test::typeZoom(w, "100");
    const auto rendered = w.cache().renders();
    view.viewport()->repaint();
    showsItsPage("repainted");
    view.verticalScrollBar()->setValue(200);
    w.nextPage();
    showsItsPage("next page");
    w.previousPage();
    EXPECT_EQ(w.cache().renders(), rendered + 1);  // page 2 once; page 1 was kept
    test::typeZoom(w, "175");
    showsItsPage("175 %");
    view.verticalScrollBar()->setValue(300);
    showsItsPage("scrolled");
    w.nextPage();
    showsItsPage("next page at 175 %");
}

// Zooming out from the end of a tall page moves the scroll bar with the smaller page; the
// rows then in view must be drawn before the window paints, not only when it is idle.
TEST_F(PreviewWindowTest, RowsInViewAreDrawnAfterTheScrollBarMoves) {
    pv.ShowPrintable(false);
    PreviewWindow& w = open();
    PageView& view = w.pageView();
    w.selectZoom("175");
    QCoreApplication::processEvents();
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    w.selectZoom("125");  // no events between: the idle drawing of the rest has not run
    ASSERT_GT(view.verticalScrollBar()->value(), 0);
    PageImageOptions options;
    options.zoom = 1.25;
    options.dotsPerInch = w.logicalDpiX();
    cPage& page = *pv.document().pages().Item(1);
    renderPageImage(pv.document(), page, options);  // the second drawing is the reference (glyph cache)
    const QImage whole = renderPageImage(pv.document(), page, options);
    const QRect at = view.leftPageRect().intersected(view.viewport()->rect()).translated(-view.leftPageRect().topLeft());
    ASSERT_FALSE(at.isEmpty());
    QImage shown = view.leftImage();
    shown.setDevicePixelRatio(1.0);
    EXPECT_TRUE(shown.copy(at) == whole.copy(at));
}

TEST_F(PreviewWindowTest, ModelessShowReturnsAtOnceModalWhenClosed) {
    pv.Modal(false);
    ASSERT_TRUE(showPreviewWindow(pv));
    PreviewWindow* w = pv.windowSettings().open.window;
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowModality(), Qt::NonModal);
    w->close();
    pv.Modal(true);
    pv.WindowState(prMaximized);
    std::string seen;
    QTimer::singleShot(0, [&] {
        w = pv.windowSettings().open.window;
        seen = std::string(w->isModal() ? "modal" : "") + (w->isMaximized() ? " maximized" : "");
        w->close();
    });
    ASSERT_TRUE(showPreviewWindow(pv));
    EXPECT_EQ(seen, "modal maximized");
    EXPECT_FALSE(w->isVisible());
}

TEST(PreviewWindowLife, TheWindowEndsWithItsPreviewAndShowsAnEmptyDocument) {
    ASSERT_TRUE(ensureWidgetApplication());
    QPointer<PreviewWindow> window;
    {
        Preview pv;
        pv.document().pages().Clear();
        window = &previewWindowOf(pv);
        window->load();
        window->show();
        EXPECT_EQ(window->currentPage(), 0);
        EXPECT_TRUE(window->pageView().leftImage().isNull());
        EXPECT_EQ(state(*window), ", Whole Page, mode 1, fpnl");
        window->nextPage();
        window->zoomIn();
        window->copyPage();
        EXPECT_EQ(window->currentPage(), 0);
    }
    EXPECT_TRUE(window.isNull());
}

TEST_F(PreviewWindowTest, CtrlPOpensThePrinterSetupOverTheWindow) {
    pv.QuitAfterPrint(true);
    PreviewWindow& w = open();
    w.goPage(2);
    QString opened;
    QWidget* parent = nullptr;
    test::whenModalOpens([&](QWidget& modal) {
        opened = modal.objectName();
        parent = modal.parentWidget();
        test::child<QPushButton>(modal, "cmdCancel").click();
    });
    test::sendKey(w.pageView(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(opened, "frmPrinterSetup");
    EXPECT_EQ(parent, &w);
    EXPECT_TRUE(w.isVisible());  // cancelled: nothing was printed, so the window stays
    pv.ShowPrintButton(false);
    opened.clear();
    test::sendKey(w.pageView(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(opened.isEmpty());
}

QColor centreOf(const QPixmap& p) { return p.toImage().pixelColor(8, 8); }

TEST_F(PreviewWindowTest, IconsFromBytesAndFiles) {
    PreviewWindow& w = open();
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray green;
    QBuffer buffer(&green);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    pv.Icon(std::vector<std::uint8_t>(green.begin(), green.end()));
    EXPECT_EQ(centreOf(w.windowIcon().pixmap(16)), QColor(Qt::green));
    EXPECT_EQ(centreOf(w.iconPanel().pixmap()), QColor(Qt::green));  // the window's, without one of its own
    const QString file = settingsDir.filePath("status.png");
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(file));
    pv.SetStatusBarIcon(file.toStdString());
    EXPECT_EQ(centreOf(w.iconPanel().pixmap()), QColor(Qt::red));
    pv.IconFilename("/no/such/icon.png");  // no image: the built-in icon
    EXPECT_NE(centreOf(w.windowIcon().pixmap(16)), QColor(Qt::green));
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST_F(PreviewWindowTest, TextsInAnotherLanguage) {
    pv.SetLanguage(prGerman);
    PreviewWindow& w = open();
    EXPECT_EQ(w.action("Next")->toolTip(), "Nächste Seite anzeigen");
    EXPECT_EQ(state(w), "Seite 1/3, Ganze Seite, mode 1, fpNL");
    w.action("2Pages")->trigger();
    EXPECT_EQ(state(w), "Seite 1/3, Zwei Seiten, mode 3, fpNL");
    GotoPageDialog go(1, 3, &w);
    EXPECT_EQ(test::describe(go, {"cmdCancel", "lblCount"}), "cmdCancel=Ab&brechen, lblCount");
    EXPECT_EQ(test::child<QLabel>(go, "lblCount").text(), "/ 3");
}

}  // namespace
}  // namespace kalder
