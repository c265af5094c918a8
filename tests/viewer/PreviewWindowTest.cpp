// The preview window driven as a user drives it: toolbar actions, the zoom box, keys, mouse
// buttons, the wheel, the settings of its Preview, and its texts in another language.
#include "support/Window.h"
#include "viewer/GotoPageDialog.h"
#include "viewer/PageCache.h"

namespace kalder {
namespace {

// The page panel, the zoom box, the mode (and percentage), and the page buttons First,
// Previous, Next, Last as letters, capitals where enabled: "Page 2/3, 75%, mode 0 75, FPNL".
std::string windowState(PreviewWindow& w) {
    std::string out = (w.pagePanel().text() + ", " + w.zoomText()).toStdString() + ", mode " +
                      std::to_string(static_cast<int>(w.zoomMode()));
    if (w.zoomMode() == ZoomMode::Percent) out += " " + QString::number(w.zoomPercent()).toStdString();
    out += ", ";
    for (const char* key : {"First", "Previous", "Next", "Last"})
        out += static_cast<char>(w.action(key)->isEnabled() ? key[0] : std::tolower(key[0]));
    return out;
}

// Sends the wheel's turn, or a press of `button` on the middle of the (left) page, to the view.
void sendWheel(PreviewWindow& w, int angle) {
    const QPointF at(w.pageView().viewport()->rect().center());
    QWheelEvent wheel(at, w.pageView().viewport()->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w.pageView().viewport(), &wheel);
}
std::string clickPage(PreviewWindow& w, Qt::MouseButton button) {  // tells the zoom box's text then
    const QPointF at(w.pageView().leftPageRect().center());
    QMouseEvent press(QEvent::MouseButtonPress, at, w.pageView().viewport()->mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w.pageView().viewport(), &press);
    return w.zoomText().toStdString();
}

class PreviewWindowTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        test::buildPages(pv, {{"First page"}, {"Second page"}, {"Third page"}});
    }
};

TEST_F(PreviewWindowTest, OpensOnPageOneAndMovesByPage) {
    PreviewWindow& w = open();
    EXPECT_EQ(windowState(w), "Page 1/3, Whole Page, mode 1, fpNL");
    EXPECT_EQ((w.windowTitle() + "|" + w.action("Exit")->toolTip() + "|" + w.action("Zoom")->toolTip() + "|" +
               w.action("2Pages")->toolTip() + "|" + w.zoomBox().toolTip()).toStdString(),
              "Kalder|Exit the preview display|Zoom In|Two Pages|Zoom control");
    EXPECT_EQ(test::comboItems(w.zoomBox()), "175%, 150%, 100%, 75%, 50%, 25%, Page Width, Whole Page, Two Pages");
    std::string seen;
    for (const char* key : {"Next", "Last", "Previous", "First"}) {
        w.action(key)->trigger();
        seen += windowState(w).substr(0, 8) + windowState(w).substr(windowState(w).size() - 6) + " ";
    }
    EXPECT_EQ(seen, "Page 2/3, FPNL Page 3/3, FPnl Page 2/3, FPNL Page 1/3, fpNL ");
    // Two pages, then 100 % and the page width.
    w.action("2Pages")->trigger();
    EXPECT_TRUE(w.twoPages() && w.pageView().showsTwoPages());
    EXPECT_EQ(windowState(w), "Page 1/3, Two Pages, mode 3, fpNL");
    const double percent = w.zoomPercent();
    w.action("Zoom")->trigger();
    w.action("UnZoom")->trigger();
    clickPage(w, Qt::LeftButton);
    EXPECT_EQ(windowState(w), "Page 1/3, Two Pages, mode 3, fpNL");  // steps and clicks are ignored
    EXPECT_EQ(w.zoomPercent(), percent);
    w.action("100Pc")->trigger();
    EXPECT_FALSE(w.pageView().showsTwoPages());
    EXPECT_EQ(windowState(w), "Page 1/3, 100%, mode 0 100, fpNL");
    // A portrait page at its width is taller than the view: the vertical bar is there and
    // the page fills the width beside it, less the margin.
    w.action("PageWidth")->trigger();
    EXPECT_EQ(w.zoomMode(), ZoomMode::PageWidth);
    EXPECT_TRUE(w.pageView().verticalScrollBar()->isVisible());
    EXPECT_NEAR(w.pageView().leftPageRect().width(), w.pageView().viewport()->width() - 100 / 15.0, 2.0);
}

TEST_F(PreviewWindowTest, ZoomBoxButtonsAndMouse) {
    pv.Zoom(300);
    EXPECT_EQ(pv.Zoom(), 200);
    PreviewWindow& w = open();
    EXPECT_EQ(windowState(w), "Page 1/3, 175%, mode 0 175, fpNL");  // 200 opens at the cap
    auto zoom = [&](const char* typed, std::initializer_list<const char*> then) {
        if (*typed) test::typeZoom(w, typed);
        std::string out = w.zoomText().toStdString();
        for (const char* key : then) w.action(key)->trigger(), out += " " + w.zoomText().toStdString();
        return out;
    };
    std::string typed;
    for (const char* text : {"abc", "300", "75%"}) typed += zoom(text, {}) + " ";
    EXPECT_EQ(typed, "100% 175% 75% ");
    EXPECT_EQ(zoom("40", {"UnZoom", "UnZoom"}), "40% 25% 25%");
    EXPECT_EQ(zoom("160", {"Zoom", "Zoom"}), "160% 175% 175%");
    // From a fitted mode the steps go on from the fitted percentage.
    w.action("WholePage")->trigger();
    const double fitted = w.zoomPercent();
    w.action("Zoom")->trigger();
    EXPECT_EQ(w.zoomMode(), ZoomMode::Percent);
    EXPECT_DOUBLE_EQ(w.zoomPercent(), std::min(175.0, std::floor(fitted) + 25));
    // The left button zooms in on the page and the right one out while mouse zoom is
    // allowed; the zoom buttons only while they are shown.
    test::typeZoom(w, "50");
    std::string seen = clickPage(w, Qt::LeftButton) + " ";
    seen += clickPage(w, Qt::RightButton) + " ";
    pv.AllowMouseToZoom(false);
    seen += clickPage(w, Qt::LeftButton) + " ";
    EXPECT_EQ(seen + zoom("", {"Zoom"}), "75% 50% 50% 50% 75%");
    pv.ShowZoomButton(false);
    w.zoomIn();
    EXPECT_EQ(w.zoomPercent(), 75);
}

TEST_F(PreviewWindowTest, KeysAndWheelScrollThenTurnPages) {
    PreviewWindow& w = open();
    test::typeZoom(w, "100");
    QScrollBar& v = *w.pageView().verticalScrollBar();
    QScrollBar& h = *w.pageView().horizontalScrollBar();
    ASSERT_GT(v.maximum(), 0);
    // Sends each key; tells for each the page then shown and where `bar` is: "top", "end" or
    // in single steps ("1:top 1:1 2:end ").
    auto pressKeys = [&](QScrollBar& bar, std::initializer_list<int> keys) {
        std::string out;
        for (int key : keys) {
            test::sendKey(w.pageView(), key);
            const int at = bar.value();
            out += std::to_string(w.currentPage()) + ":" +
                   (at == 0 ? "top" : at == bar.maximum() ? "end" : std::to_string(at / bar.singleStep())) + " ";
        }
        return out;
    };
    // Down at the end shows the next page from its top, Up at the top the previous one at its end.
    EXPECT_EQ(pressKeys(v, {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageDown}), "1:top 1:1 1:2 ");
    v.setValue(v.maximum());
    EXPECT_EQ(pressKeys(v, {Qt::Key_Down, Qt::Key_PageUp}), "2:top 1:end ");
    w.lastPage();
    v.setValue(v.maximum());
    EXPECT_EQ(pressKeys(v, {Qt::Key_Down}), "3:end ");
    // The wheel moves by the large change and stops at the top; it can be turned off.
    v.setValue(0);
    sendWheel(w, -120);
    EXPECT_EQ(v.value(), v.pageStep());
    sendWheel(w, 240);
    EXPECT_EQ(v.value(), 0);
    pv.MouseWheel(false);
    sendWheel(w, -120);
    EXPECT_EQ(v.value(), 0);
    w.resize(500, 400);
    test::typeZoom(w, "150");
    ASSERT_GT(h.maximum(), 0);
    EXPECT_EQ(pressKeys(h, {Qt::Key_Left, Qt::Key_Right, Qt::Key_End, Qt::Key_Right, Qt::Key_Home}),
              "3:top 3:1 3:end 3:end 3:top ");
}

TEST_F(PreviewWindowTest, IconsThenEscapeClosesAndSavesThePosition) {
    pv.LeftPositionPreviewWindow(1500);  // 100 pixels at 15 twips per pixel
    pv.TopPositionPreviewWindow(1200);
    PreviewWindow& w = open();
    EXPECT_EQ(w.pos(), QPoint(100, 80));
    auto centre = [](const QPixmap& p) { return p.toImage().pixelColor(8, 8); };
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray green;
    QBuffer buffer(&green);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    pv.Icon(std::vector<std::uint8_t>(green.begin(), green.end()));
    EXPECT_EQ(centre(w.windowIcon().pixmap(16)), QColor(Qt::green));
    EXPECT_EQ(centre(w.iconPanel().pixmap()), QColor(Qt::green));  // the window's, without one of its own
    const QString file = settingsDir.filePath("status.png");
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(file));
    pv.SetStatusBarIcon(file.toStdString());
    EXPECT_EQ(centre(w.iconPanel().pixmap()), QColor(Qt::red));
    pv.IconFilename("/no/such/icon.png");  // no image: the built-in icon
    EXPECT_NE(centre(w.windowIcon().pixmap(16)), QColor(Qt::green));
    EXPECT_FALSE(w.windowIcon().isNull());
    bool closed = false;
    QObject::connect(&w, &PreviewWindow::closed, [&] { closed = true; });
    test::sendKey(w.pageView(), Qt::Key_Escape);
    EXPECT_TRUE(closed && !w.isVisible());
    QSettings settings("Kalder", "Kalder");
    EXPECT_EQ(settings.value("PreviewPosition/Left").toInt() * 10000 + settings.value("PreviewPosition/Top").toInt(),
              1500 * 10000 + 1200);
    Preview next;  // without a position of its own it opens where the last window closed
    test::buildPages(next, {{"x"}});
    PreviewWindow& again = previewWindowOf(next);
    again.load();
    EXPECT_EQ(again.pos(), QPoint(100, 80));
}

TEST_F(PreviewWindowTest, ShowSettingsApplyAtOnce) {
    int custom = 0;
    pv.onCustomButtonClick = [&] { ++custom; };
    pv.QuitAfterPrint(true);
    PreviewWindow& w = open();
    auto shown = [&](bool visible) {  // the toolbar buttons shown (or hidden), by key, in toolbar order
        std::string out;
        for (const char* key : {"Print", "PrintDirect", "Find", "Zoom", "UnZoom", "ComboZoom", "100Pc", "PageWidth",
                                "2Pages", "Copy", "CUSTOM", "First", "Previous", "Next", "Last", "Mail", "About"})
            if (w.action(key)->isVisible() == visible) out += std::string(out.empty() ? "" : " ") + key;
        return out;
    };
    EXPECT_EQ(shown(true),
              "Print Find Zoom UnZoom ComboZoom 100Pc PageWidth 2Pages Copy First Previous Next Last About");
    // Ctrl+P opens the printer setup over the window; cancelled, nothing was printed and the
    // window stays.
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
    EXPECT_TRUE(w.isVisible());
    std::string hidden;  // by each setting turned off, then on again
    for (auto set : std::initializer_list<void (Preview::*)(bool)>{
             &Preview::ShowPrintButton, &Preview::ShowPrintDirectButton, &Preview::ShowFindButton, &Preview::ShowArrows,
             &Preview::ShowCopyClipboardButton, &Preview::ShowZoomButton, &Preview::ShowCustomButton})
        (pv.*set)(false), hidden += shown(false) + "|", (pv.*set)(true);
    EXPECT_EQ(hidden, "Print PrintDirect CUSTOM Mail|PrintDirect CUSTOM Mail|Find CUSTOM Mail|"
                      "CUSTOM First Previous Next Last Mail|Copy CUSTOM Mail|"
                      "Zoom UnZoom ComboZoom 100Pc PageWidth 2Pages CUSTOM Mail|CUSTOM Mail|");
    EXPECT_EQ(shown(false), "Mail");
    pv.ShowPrintButton(false), pv.ShowFindButton(false);
    test::sendKey(w.pageView(), Qt::Key_F, Qt::ControlModifier);  // hidden with the find button
    EXPECT_EQ(w.findDialog(), nullptr);
    QPointer<QTimer> waiting = test::whenModalOpens([&](QWidget& modal) { opened = modal.objectName(); });
    opened.clear();
    test::sendKey(w.pageView(), Qt::Key_P, Qt::ControlModifier);  // hidden with the print button
    delete waiting.data();
    EXPECT_TRUE(opened.isEmpty());
    w.action("CUSTOM")->trigger();
    EXPECT_EQ(custom, 1);
    pv.ShowToolbar(false), pv.ShowStatusBarIcon(false);
    EXPECT_EQ((std::vector<bool>{w.toolbar().isVisible(), w.iconPanel().isVisible(), w.pagePanel().isVisible()}),
              (std::vector<bool>{false, false, true}));
    pv.ShowStatusBar(false);
    EXPECT_FALSE(w.statusBar()->isVisible());
    pv.Caption("Invoice 42"), pv.RightToLeft(true);
    EXPECT_EQ(w.windowTitle(), "Invoice 42");
    EXPECT_EQ(w.layoutDirection(), Qt::RightToLeft);
}

// Once the application was idle, the view shows its (left) page picture where it says the
// page is, on the grey ground.
void expectShowsItsPage(PageView& view, const char* when) {
    QCoreApplication::processEvents();
    const QImage shown = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect at = view.leftPageRect().intersected(view.viewport()->rect());
    const QImage page = view.leftImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(at.isEmpty()) << when;
    EXPECT_TRUE(shown.copy(at) == page.copy(at.translated(-view.leftPageRect().topLeft()))) << when;
    if (!view.leftPageRect().contains(QPoint(1, 1))) EXPECT_EQ(shown.pixelColor(1, 1), QColor(128, 128, 128)) << when;
}

// What the view shows once the application was idle (a repaint then puts one composed
// picture on screen) must follow every page turn, scroll and zoom; repaints and scrolls draw
// from the cache, and Copy puts the page at its zoom on the clipboard.
TEST_F(PreviewWindowTest, TheShownPictureFollowsTurnsScrollsAndZooms) {
    pv.ShowPrintable(false);  // the frame is drawn over the page picture
    PreviewWindow& w = open();
    PageView& view = w.pageView();
    expectShowsItsPage(view, "opened");
    test::typeZoom(w, "50");
    QGuiApplication::clipboard()->clear();
    w.action("Copy")->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_NEAR(copied.width(), 11906 * 0.5 / 15, 1);  // A4 at 50 % and 96 dots per inch
    EXPECT_NEAR(copied.height(), 16838 * 0.5 / 15, 1);
    EXPECT_EQ(copied.pixelColor(2, 2), QColor(Qt::white));
    test::typeZoom(w, "100");
    const auto rendered = w.cache().renders();
    view.viewport()->repaint();
    expectShowsItsPage(view, "repainted");
    view.verticalScrollBar()->setValue(200);
    w.nextPage();
    expectShowsItsPage(view, "next page");
    w.previousPage();
    EXPECT_EQ(w.cache().renders(), rendered + 1);  // page 2 once; page 1 was kept
    test::typeZoom(w, "175");
    expectShowsItsPage(view, "175 %");
    view.verticalScrollBar()->setValue(300);
    expectShowsItsPage(view, "scrolled");
    // Zooming out from the end of a tall page moves the scroll bar with the smaller page; the
    // rows then in view must be drawn before the window paints, not only when it is idle.
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    w.selectZoom("125");  // no events between: the idle drawing of the rest has not run
    ASSERT_GT(view.verticalScrollBar()->value(), 0);
    const QImage whole = test::referencePageImage(pv.document(), *pv.document().pages().Item(1), 1.25, w.logicalDpiX());
    const QRect at =
        view.leftPageRect().intersected(view.viewport()->rect()).translated(-view.leftPageRect().topLeft());
    QImage shown = view.leftImage();
    shown.setDevicePixelRatio(1.0);
    EXPECT_TRUE(shown.copy(at) == whole.copy(at));
}

TEST_F(PreviewWindowTest, ModelessShowReturnsAtOnceModalWhenClosed) {
    pv.Modal(false);
    ASSERT_TRUE(showPreviewWindow(pv));
    PreviewWindow* w = pv.windowSettings().open.window;
    ASSERT_TRUE(w && w->isVisible());
    EXPECT_EQ(w->windowModality(), Qt::NonModal);
    w->close();
    pv.Modal(true), pv.WindowState(prMaximized);
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
        EXPECT_EQ(windowState(*window), ", Whole Page, mode 1, fpnl");  // no page, no page panel
        window->nextPage();
        window->zoomIn();
        window->copyPage();
        EXPECT_EQ(window->currentPage(), 0);
        EXPECT_TRUE(window->pageView().leftImage().isNull());
    }
    EXPECT_TRUE(window.isNull());
}

TEST_F(PreviewWindowTest, TextsInAnotherLanguage) {
    pv.SetLanguage(prGerman);
    PreviewWindow& w = open();
    EXPECT_EQ(w.action("Next")->toolTip(), "Nächste Seite anzeigen");
    EXPECT_EQ(windowState(w), "Seite 1/3, Ganze Seite, mode 1, fpNL");
    w.action("2Pages")->trigger();
    EXPECT_EQ(windowState(w), "Seite 1/3, Zwei Seiten, mode 3, fpNL");
    GotoPageDialog go(1, 3, &w);
    EXPECT_EQ(test::describe(go, {"cmdCancel"}) + " " + test::child<QLabel>(go, "lblCount").text().toStdString(),
              "cmdCancel=Ab&brechen / 3");
}

}  // namespace
}  // namespace kalder
