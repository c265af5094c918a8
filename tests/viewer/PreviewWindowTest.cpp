// The preview window driven as a user drives it: toolbar actions, the zoom box, keys, mouse
// buttons, the wheel, and the settings of its Preview.
#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>

#include "support/TableTest.h"
#include "platform/PageImage.h"
#include "viewer/PageCache.h"
#include "WindowTestSupport.h"

namespace kalder {
namespace {

class PreviewWindowTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        test::buildPages(pv, {{"First page"}, {"Second page"}, {"Third page"}});
    }
    bool enabled(PreviewWindow& w, const char* key) { return w.action(key)->isEnabled(); }
};

TEST_F(PreviewWindowTest, OpensOnPageOneAtTheWholePage) {
    PreviewWindow& w = open();
    EXPECT_EQ(w.currentPage(), 1);
    EXPECT_EQ(w.zoomMode(), ZoomMode::WholePage);
    EXPECT_EQ(w.zoomText(), "Whole Page");
    EXPECT_EQ(w.pagePanel().text(), "Page 1/3");
    EXPECT_EQ(w.windowTitle(), "Kalder");
    EXPECT_EQ(w.action("Exit")->toolTip(), "Exit the preview display");
    EXPECT_EQ(w.action("Zoom")->toolTip(), "Zoom In");
    EXPECT_EQ(w.action("2Pages")->toolTip(), "Two Pages");
    EXPECT_EQ(w.zoomBox().toolTip(), "Zoom control");
    QStringList list;
    for (int i = 0; i < w.zoomBox().count(); ++i) list << w.zoomBox().itemText(i);
    EXPECT_EQ(list, (QStringList{"175%", "150%", "100%", "75%", "50%", "25%", "Page Width", "Whole Page",
                                 "Two Pages"}));
}

TEST_F(PreviewWindowTest, PageButtonsMoveAndEnableByPage) {
    PreviewWindow& w = open();
    EXPECT_FALSE(enabled(w, "First"));
    EXPECT_FALSE(enabled(w, "Previous"));
    EXPECT_TRUE(enabled(w, "Next"));
    w.action("Next")->trigger();
    EXPECT_EQ(w.currentPage(), 2);
    EXPECT_EQ(w.pagePanel().text(), "Page 2/3");
    EXPECT_TRUE(enabled(w, "First"));
    EXPECT_TRUE(enabled(w, "Last"));
    w.action("Last")->trigger();
    EXPECT_EQ(w.currentPage(), 3);
    EXPECT_FALSE(enabled(w, "Next"));
    EXPECT_FALSE(enabled(w, "Last"));
    EXPECT_TRUE(enabled(w, "Previous"));
    w.action("Previous")->trigger();
    EXPECT_EQ(w.currentPage(), 2);
    w.action("First")->trigger();
    EXPECT_EQ(w.currentPage(), 1);
}

TEST_F(PreviewWindowTest, TypedZoomTexts) {
    PreviewWindow& w = open();
    struct Row {
        const char* name;
        const char* typed;
        const char* shown;
        double percent;
    };
    test::forEachRow<Row>(
        {
            {"not a number", "abc", "100%", 100},
            {"above the cap", "300", "175%", 175},
            {"a plain number", "60", "60%", 60},
            {"from the list", "75%", "75%", 75},
        },
        [&](const Row& row) {
            test::typeZoom(w, row.typed);
            EXPECT_EQ(w.zoomText(), row.shown);
            EXPECT_EQ(w.zoomMode(), ZoomMode::Percent);
            EXPECT_DOUBLE_EQ(w.zoomPercent(), row.percent);
        });
}

TEST_F(PreviewWindowTest, ZoomPropertyAboveTheMaximum) {
    pv.Zoom(300);
    EXPECT_EQ(pv.Zoom(), 200);
    PreviewWindow& w = open();
    EXPECT_DOUBLE_EQ(w.zoomPercent(), 175);
    EXPECT_EQ(w.zoomText(), "175%");
}

TEST_F(PreviewWindowTest, ZoomButtonsStepAndStop) {
    PreviewWindow& w = open();
    test::typeZoom(w, "40");
    w.action("UnZoom")->trigger();
    EXPECT_DOUBLE_EQ(w.zoomPercent(), 25);
    w.action("UnZoom")->trigger();
    EXPECT_DOUBLE_EQ(w.zoomPercent(), 25);
    test::typeZoom(w, "160");
    w.action("Zoom")->trigger();
    EXPECT_DOUBLE_EQ(w.zoomPercent(), 175);
    EXPECT_EQ(w.zoomText(), "175%");
    // From a fitted mode the steps go on from the fitted percentage.
    w.action("WholePage")->trigger();
    const double fitted = w.zoomPercent();
    w.action("Zoom")->trigger();
    EXPECT_EQ(w.zoomMode(), ZoomMode::Percent);
    EXPECT_DOUBLE_EQ(w.zoomPercent(), std::min(175.0, std::floor(fitted) + 25));
}

TEST_F(PreviewWindowTest, TwoPagesShowsTheNextPageAndIgnoresSteps) {
    PreviewWindow& w = open();
    w.action("2Pages")->trigger();
    EXPECT_EQ(w.zoomMode(), ZoomMode::TwoPages);
    EXPECT_TRUE(w.twoPages());
    EXPECT_TRUE(w.pageView().showsTwoPages());
    const double percent = w.zoomPercent();
    w.action("Zoom")->trigger();
    w.action("UnZoom")->trigger();
    test::sendPress(*w.pageView().viewport(), w.pageView().leftPageRect().center(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(w.zoomPercent(), percent);
    EXPECT_EQ(w.zoomMode(), ZoomMode::TwoPages);
    // Back to one page.
    w.action("100Pc")->trigger();
    EXPECT_FALSE(w.pageView().showsTwoPages());
    EXPECT_DOUBLE_EQ(w.zoomPercent(), 100);
}

TEST(PreviewWindowOnePage, TwoPagesOfOnePageIsTheWholePage) {
    ASSERT_TRUE(ensureWidgetApplication());
    Preview pv;
    test::buildPages(pv, {{"Only page"}});
    PreviewWindow& w = previewWindowOf(pv);
    w.load();
    w.action("2Pages")->trigger();
    EXPECT_EQ(w.zoomMode(), ZoomMode::WholePage);
    EXPECT_FALSE(w.twoPages());
    EXPECT_EQ(w.zoomText(), "Whole Page");
}

TEST_F(PreviewWindowTest, PageWidthFillsTheViewWidth) {
    PreviewWindow& w = open({900, 700});
    w.action("PageWidth")->trigger();
    EXPECT_EQ(w.zoomMode(), ZoomMode::PageWidth);
    // A portrait page at its width is taller than the view: the vertical bar is there and
    // the page fills the width beside it, less the margin.
    EXPECT_TRUE(w.pageView().verticalScrollBar()->isVisible());
    const QRect page = w.pageView().leftPageRect();
    EXPECT_NEAR(page.width(), w.pageView().viewport()->width() - 100 / 15.0, 2.0);
}

TEST_F(PreviewWindowTest, MouseButtonsZoomOnThePage) {
    PreviewWindow& w = open();
    test::typeZoom(w, "50");
    QWidget& viewport = *w.pageView().viewport();
    test::sendPress(viewport, w.pageView().leftPageRect().center(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(w.zoomPercent(), 75);
    test::sendPress(viewport, w.pageView().leftPageRect().center(), Qt::RightButton);
    EXPECT_DOUBLE_EQ(w.zoomPercent(), 50);
    pv.AllowMouseToZoom(false);
    test::sendPress(viewport, w.pageView().leftPageRect().center(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(w.zoomPercent(), 50);
    // The buttons still zoom while they are shown.
    w.action("Zoom")->trigger();
    EXPECT_DOUBLE_EQ(w.zoomPercent(), 75);
    pv.ShowZoomButton(false);
    w.zoomIn();
    EXPECT_DOUBLE_EQ(w.zoomPercent(), 75);
}

TEST_F(PreviewWindowTest, KeysScrollThenTurnPages) {
    PreviewWindow& w = open();
    test::typeZoom(w, "100");
    QScrollBar* v = w.pageView().verticalScrollBar();
    ASSERT_GT(v->maximum(), 0);
    QWidget& view = w.pageView();
    // Up at the top of page 1 stays.
    test::sendKey(view, Qt::Key_Up);
    EXPECT_EQ(w.currentPage(), 1);
    EXPECT_EQ(v->value(), 0);
    test::sendKey(view, Qt::Key_Down);
    EXPECT_EQ(v->value(), v->singleStep());
    test::sendKey(view, Qt::Key_PageDown);
    EXPECT_EQ(v->value(), 2 * v->singleStep());
    // At the bottom Down shows the next page from its top.
    v->setValue(v->maximum());
    test::sendKey(view, Qt::Key_Down);
    EXPECT_EQ(w.currentPage(), 2);
    EXPECT_EQ(v->value(), 0);
    // At the top Up shows the previous page scrolled to its bottom.
    test::sendKey(view, Qt::Key_PageUp);
    EXPECT_EQ(w.currentPage(), 1);
    EXPECT_EQ(v->value(), v->maximum());
    // Down at the bottom of the last page stays there.
    w.lastPage();
    v->setValue(v->maximum());
    test::sendKey(view, Qt::Key_Down);
    EXPECT_EQ(w.currentPage(), 3);
    EXPECT_EQ(v->value(), v->maximum());
}

TEST_F(PreviewWindowTest, HorizontalKeysClampToTheBar) {
    PreviewWindow& w = open({500, 400});
    test::typeZoom(w, "150");
    QScrollBar* h = w.pageView().horizontalScrollBar();
    ASSERT_GT(h->maximum(), 0);
    QWidget& view = w.pageView();
    test::sendKey(view, Qt::Key_Left);
    EXPECT_EQ(h->value(), 0);
    test::sendKey(view, Qt::Key_Right);
    EXPECT_EQ(h->value(), h->singleStep());
    test::sendKey(view, Qt::Key_End);
    EXPECT_EQ(h->value(), h->maximum());
    test::sendKey(view, Qt::Key_Right);
    EXPECT_EQ(h->value(), h->maximum());
    test::sendKey(view, Qt::Key_Home);
    EXPECT_EQ(h->value(), 0);
}

TEST_F(PreviewWindowTest, WheelMovesByTheLargeChange) {
    PreviewWindow& w = open();
    test::typeZoom(w, "100");
    QScrollBar* v = w.pageView().verticalScrollBar();
    test::sendWheel(*w.pageView().viewport(), -120);
    EXPECT_EQ(v->value(), v->pageStep());
    test::sendWheel(*w.pageView().viewport(), 240);
    EXPECT_EQ(v->value(), 0);  // clamped at the top
    pv.MouseWheel(false);
    test::sendWheel(*w.pageView().viewport(), -120);
    EXPECT_EQ(v->value(), 0);
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
    PreviewWindow& w = open();
    struct Row {
        const char* name;
        void (Preview::*set)(bool);
        std::vector<const char*> keys;
    };
    test::forEachRow<Row>(
        {
            {"print", &Preview::ShowPrintButton, {"Print"}},
            {"print direct", &Preview::ShowPrintDirectButton, {"PrintDirect"}},
            {"find", &Preview::ShowFindButton, {"Find"}},
            {"zoom", &Preview::ShowZoomButton, {"Zoom", "UnZoom", "ComboZoom", "100Pc", "PageWidth", "2Pages"}},
            {"copy", &Preview::ShowCopyClipboardButton, {"Copy"}},
            {"custom", &Preview::ShowCustomButton, {"CUSTOM"}},
            {"arrows", &Preview::ShowArrows, {"First", "Previous", "Next", "Last"}},
        },
        [&](const Row& row) {
            (pv.*row.set)(false);
            for (const char* key : row.keys) EXPECT_FALSE(w.action(key)->isVisible()) << key;
            (pv.*row.set)(true);
            for (const char* key : row.keys) EXPECT_TRUE(w.action(key)->isVisible()) << key;
        });
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

TEST_F(PreviewWindowTest, DefaultButtons) {
    PreviewWindow& w = open();
    EXPECT_TRUE(w.action("Print")->isVisible());
    EXPECT_FALSE(w.action("PrintDirect")->isVisible());
    EXPECT_FALSE(w.action("CUSTOM")->isVisible());
    EXPECT_FALSE(w.action("Mail")->isVisible());
    EXPECT_TRUE(w.action("About")->isVisible());
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

TEST_F(PreviewWindowTest, CustomButtonRaisesTheEvent) {
    int raised = 0;
    pv.onCustomButtonClick = [&] { ++raised; };
    pv.ShowCustomButton(true);
    PreviewWindow& w = open();
    w.action("CUSTOM")->trigger();
    EXPECT_EQ(raised, 1);
}

TEST_F(PreviewWindowTest, RepaintsAndScrollsDrawFromTheCache) {
    PreviewWindow& w = open();
    test::typeZoom(w, "100");
    const auto rendered = w.cache().renders();
    w.pageView().viewport()->repaint();
    w.pageView().verticalScrollBar()->setValue(200);
    w.pageView().viewport()->repaint();
    w.nextPage();
    w.previousPage();
    EXPECT_EQ(w.cache().renders(), rendered + 1);  // page 2 once; page 1 was kept
}

// What the view shows once the application was idle (a repaint then puts one composed
// picture on screen) must follow every page turn, scroll and zoom.
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
        const QImage expected = page.copy(at.translated(-view.leftPageRect().topLeft()));
        EXPECT_TRUE(shown.copy(at) == expected) << when;
        if (!view.leftPageRect().contains(QPoint(1, 1)))
            EXPECT_EQ(shown.pixelColor(1, 1), QColor(128, 128, 128)) << when;  // the ground
    };
    showsItsPage("opened");
    view.viewport()->repaint();
    showsItsPage("repainted");
    w.nextPage();
    showsItsPage("next page");
    test::typeZoom(w, "175");
    showsItsPage("175 %");
    view.verticalScrollBar()->setValue(300);
    showsItsPage("scrolled");
    w.previousPage();
    showsItsPage("previous page");
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
    renderPageImage(pv.document(), page, options);
    const QImage whole = renderPageImage(pv.document(), page, options);
    const QRect at = view.leftPageRect().intersected(view.viewport()->rect()).translated(-view.leftPageRect().topLeft());
    ASSERT_FALSE(at.isEmpty());
    QImage shown = view.leftImage();
    shown.setDevicePixelRatio(1.0);
    EXPECT_TRUE(shown.copy(at) == whole.copy(at));
}

TEST_F(PreviewWindowTest, ModelessShowReturnsAtOnce) {
    pv.Modal(false);
    ASSERT_TRUE(showPreviewWindow(pv));
    PreviewWindow* w = pv.windowSettings().open.window;
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowModality(), Qt::NonModal);
    w->close();
}

TEST_F(PreviewWindowTest, ModalShowReturnsWhenClosed) {
    pv.Modal(true);
    pv.WindowState(prMaximized);
    bool wasModal = false, wasMaximized = false;
    QTimer::singleShot(0, [&] {
        PreviewWindow* w = pv.windowSettings().open.window;
        wasModal = w->isModal();
        wasMaximized = w->isMaximized();
        w->close();
    });
    ASSERT_TRUE(showPreviewWindow(pv));
    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(wasMaximized);
    EXPECT_FALSE(pv.windowSettings().open.window->isVisible());
}

TEST(PreviewWindowLife, TheWindowEndsWithItsPreview) {
    ASSERT_TRUE(ensureWidgetApplication());
    QPointer<PreviewWindow> window;
    {
        Preview pv;
        test::buildPages(pv, {{"x"}});
        window = &previewWindowOf(pv);
        window->load();
        window->show();
    }
    EXPECT_TRUE(window.isNull());
}

TEST(PreviewWindowEmpty, AnEmptyDocumentShowsNoPage) {
    ASSERT_TRUE(ensureWidgetApplication());
    Preview pv;
    pv.document().pages().Clear();
    PreviewWindow& w = previewWindowOf(pv);
    w.load();
    EXPECT_EQ(w.currentPage(), 0);
    EXPECT_TRUE(w.pageView().leftImage().isNull());
    for (const char* key : {"First", "Previous", "Next", "Last"}) EXPECT_FALSE(w.action(key)->isEnabled()) << key;
    w.nextPage();
    w.zoomIn();
    w.copyPage();
    EXPECT_EQ(w.currentPage(), 0);
}

}  // namespace
}  // namespace kalder

namespace kalder {
namespace {

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
    // Cancelled: nothing was printed, so the window stays.
    EXPECT_TRUE(w.isVisible());
    pv.ShowPrintButton(false);
    opened.clear();
    test::sendKey(w.pageView(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(opened.isEmpty());
}

}  // namespace
}  // namespace kalder

namespace kalder {
namespace {

QByteArray pngOf(QColor color) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST_F(PreviewWindowTest, IconsFromBytesAndFiles) {
    PreviewWindow& w = open();
    const QByteArray green = pngOf(Qt::green);
    pv.Icon(std::vector<std::uint8_t>(green.begin(), green.end()));
    EXPECT_EQ(w.windowIcon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::green));
    // The status bar shows the window's icon unless it has one of its own.
    EXPECT_EQ(w.iconPanel().pixmap().toImage().pixelColor(8, 8), QColor(Qt::green));
    const QString file = settingsDir.filePath("status.png");
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(file));
    pv.SetStatusBarIcon(file.toStdString());
    EXPECT_EQ(w.iconPanel().pixmap().toImage().pixelColor(8, 8), QColor(Qt::red));
    // A file that is no image leaves the built-in icon.
    pv.IconFilename("/no/such/icon.png");
    EXPECT_NE(w.windowIcon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::green));
    EXPECT_FALSE(w.windowIcon().isNull());
}

}  // namespace
}  // namespace kalder
