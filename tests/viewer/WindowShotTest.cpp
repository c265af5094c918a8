// Pictures of the whole window: the page is where the window says it is, white, with the
// document's text on it, on the grey ground; in two-page mode both pages are there. And the
// page cache, which draws a tall page in bands that must join into the page drawn whole.
#include "support/Window.h"
#include "viewer/PageCache.h"
#include "viewer/WindowShot.h"

namespace kalder {
namespace {

bool white(QColor p) { return p.red() > 245 && p.green() > 245 && p.blue() > 245; }
bool dark(QColor p) { return p.red() < 100 && p.green() < 100 && p.blue() < 100; }

using WindowShots = test::WindowTest;

TEST_F(WindowShots, AtOneHundredPercentInTwoPagesAndWithThePrintableFrame) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 12; ++i) lines.push_back("Line " + std::to_string(i) + " of the shown document");
    test::buildPages(pv, {lines, {"Second page text"}});
    pv.ShowPrintable(false);
    PageView* view = nullptr;
    // The shot (kept for a look when KALDER_SHOT_DIR is set), `view` then the shown one.
    auto shoot = [&](const WindowShot& how, const char* name) {
        const QImage shot = grabPreviewWindow(pv, how);
        if (const char* dir = std::getenv("KALDER_SHOT_DIR")) shot.save(QDir(dir).filePath(name));
        view = &pv.windowSettings().open.window->pageView();
        return shot;
    };
    auto inWindow = [&](const QRect& r) {  // a page rectangle of the view in the window's coordinates
        return QRect(view->viewport()->mapTo(pv.windowSettings().open.window, r.topLeft()), r.size());
    };
    QImage shot = shoot({QSize(1000, 760), "100%", 1}, "window-100.png");
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), QSize(1000, 760) * shot.devicePixelRatio());
    QRect page = inWindow(view->leftPageRect()).intersected(shot.rect());
    ASSERT_FALSE(page.isEmpty());
    EXPECT_NEAR(view->leftPageRect().width(), 794, 1);  // A4 at 100 % and 96 dots per inch
    // The page's top margin is blank paper; the text starts one inch down and in.
    const QRect margin(page.left() + 10, page.top() + 10, page.width() - 20, 70);
    EXPECT_EQ(test::countPixels(shot, margin, white), margin.width() * margin.height());
    const QRect text(page.left() + 96, page.top() + 96, 300, 40);
    EXPECT_GT(test::countPixels(shot, text, dark), 50);
    EXPECT_GT(test::countPixels(shot, text, white), 300 * 40 / 2);
    EXPECT_EQ(shot.pixelColor(page.left() - 20, page.top() + 200), QColor(128, 128, 128));  // the ground

    shot = shoot({QSize(1000, 760), "Two Pages", 1}, "window-two-pages.png");
    ASSERT_TRUE(view->showsTwoPages());
    const QRect left = inWindow(view->leftPageRect()), right = inWindow(view->rightPageRect());
    EXPECT_GT(right.left(), left.right());
    EXPECT_EQ(left.size(), right.size());
    EXPECT_LE(left.bottom(), shot.height());
    for (const QRect& p : {left, right}) {  // paper with text near the top left
        const QRect corner(p.left() + p.width() / 8, p.top() + p.height() / 12, p.width() / 3, p.height() / 20);
        EXPECT_GT(test::countPixels(shot, corner, dark), 3);
        EXPECT_GT(test::countPixels(shot, corner, white), corner.width() * corner.height() / 2);
    }
    EXPECT_LT(shot.pixelColor((left.right() + right.left()) / 2, left.center().y()).lightness(), 245);  // the ground

    pv.ShowPrintable(true);
    pv.ShowPrintableColor(0xFF0000);  // blue: red is the low byte
    shot = shoot({QSize(900, 700), "Whole Page", 1}, "window-printable.png");
    page = inWindow(view->leftPageRect());
    // The frame's top edge crosses most of the page.
    EXPECT_GT(test::countPixels(shot, QRect(page.left(), page.top(), page.width(), page.height() / 10),
                                [](QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; }),
              page.width() * 3 / 4);
}

TEST(PageCache, BandsDrawnApartMakeTheWholePage) {
    ensureWidgetApplication();
    Preview pv;
    pv.AddFirstPage("0.5 in", "0.5 in", "0.5 in", "0.5 in"), pv.FontName("Arial");
    for (int i = 0; i < 60; ++i) {
        // Sizes from small to tall, so that glyphs and boxes cross every band edge.
        pv.FontSize(6 + i % 5 * 6);
        pv.AddTextAt("Line " + std::to_string(i) + " gjpqy ÄÖÜ", (i % 3) * 3000, i * 260, prALLeft, prASNone);
        pv.DrawLine(500 + i * 150, i * 250, 2500 + i * 150, i * 250 + 700, prLBBox);
    }
    pv.DrawEllipse(3000, 3000, 2000, 5000);
    cDocument& doc = pv.document();
    cPage& page = *doc.pages().Item(1);
    const QImage whole = test::referencePageImage(doc, page, 1.75);
    PageCache cache;
    const std::string none;  // no highlight
    QImage shown = cache.page(doc, page, 1.75, 96, 1.0, none, 301, 517);
    EXPECT_FALSE(cache.complete(page, 1.75, 96, 1.0, none));
    EXPECT_EQ(shown.copy(0, 301, shown.width(), 216), whole.copy(0, 301, whole.width(), 216));
    shown = QImage();  // the cache draws in place only when nobody else holds the picture
    shown = cache.page(doc, page, 1.75, 96, 1.0, none, 900, 1200);  // below: rows between follow
    shown = QImage();
    shown = cache.page(doc, page, 1.75, 96, 1.0, none);
    EXPECT_TRUE(cache.complete(page, 1.75, 96, 1.0, none));
    EXPECT_EQ(cache.renders(), 1);  // one page started; the bands added to it do not count
    ASSERT_EQ(shown.size(), whole.size());
    EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) == whole.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace kalder
