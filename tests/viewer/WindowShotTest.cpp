// Pictures of the whole window: the page is where the window says it is, white, with the
// document's text on it, on the grey ground; in two-page mode both pages are there.
#include <QDir>
#include <QScrollBar>

#include "viewer/WindowShot.h"
#include "WindowTestSupport.h"

namespace kalder {
namespace {

bool isWhite(QColor c) { return c.red() > 245 && c.green() > 245 && c.blue() > 245; }
bool isDark(QColor c) { return c.red() < 100 && c.green() < 100 && c.blue() < 100; }

struct Census {
    int white = 0;
    int dark = 0;
    int total = 0;
};
Census census(const QImage& image, const QRect& r) {
    Census c;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            c.white += isWhite(p);
            c.dark += isDark(p);
            ++c.total;
        }
    return c;
}

class WindowShotTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        std::vector<std::string> lines;
        for (int i = 1; i <= 12; ++i) lines.push_back("Line " + std::to_string(i) + " of the shown document");
        test::buildPages(pv, {lines, {"Second page text"}});
        pv.ShowPrintable(false);
    }
    // A page rectangle of the view in the window's coordinates.
    QRect inWindow(PreviewWindow& w, const QRect& r) {
        return QRect(w.pageView().viewport()->mapTo(&w, r.topLeft()), r.size());
    }
    void save(const QImage& image, const char* name) {
        // Kept for a look when KALDER_SHOT_DIR is set.
        if (const char* dir = std::getenv("KALDER_SHOT_DIR")) image.save(QDir(dir).filePath(name));
    }
};

TEST_F(WindowShotTest, OnePageAtOneHundredPercent) {
    const QImage shot = grabPreviewWindow(pv, {QSize(1000, 760), "100%", 1});
    save(shot, "window-100.png");
    ASSERT_FALSE(shot.isNull());
    PreviewWindow& w = *pv.windowSettings().open.window;
    EXPECT_EQ(shot.size(), QSize(1000, 760) * shot.devicePixelRatio());
    const QRect page = inWindow(w, w.pageView().leftPageRect()).intersected(shot.rect());
    ASSERT_FALSE(page.isEmpty());
    // A4 at 100 % and 96 dots per inch is 794 pixels wide, centred in the view.
    EXPECT_NEAR(w.pageView().leftPageRect().width(), 794, 1);
    // The page's top margin is blank paper; the text starts one inch down and in.
    const QRect margin(page.left() + 10, page.top() + 10, page.width() - 20, 70);
    const Census blank = census(shot, margin);
    EXPECT_EQ(blank.white, blank.total);
    const QRect text(page.left() + 96, page.top() + 96, 300, 40);
    const Census ink = census(shot, text);
    EXPECT_GT(ink.dark, 50);
    EXPECT_GT(ink.white, ink.total / 2);
    // Left of the page: the grey ground.
    const QColor ground = shot.pixelColor(page.left() - 20, page.top() + 200);
    EXPECT_EQ(ground, QColor(128, 128, 128));
}

TEST_F(WindowShotTest, TwoPagesSideBySide) {
    const QImage shot = grabPreviewWindow(pv, {QSize(1000, 760), "Two Pages", 1});
    save(shot, "window-two-pages.png");
    PreviewWindow& w = *pv.windowSettings().open.window;
    ASSERT_TRUE(w.pageView().showsTwoPages());
    const QRect left = inWindow(w, w.pageView().leftPageRect());
    const QRect right = inWindow(w, w.pageView().rightPageRect());
    EXPECT_GT(right.left(), left.right());
    EXPECT_EQ(left.size(), right.size());
    EXPECT_LE(left.bottom(), shot.height());
    // Both are paper with text near their top left.
    for (const QRect& page : {left, right}) {
        const QRect corner(page.left() + page.width() / 8, page.top() + page.height() / 12, page.width() / 3,
                           page.height() / 20);
        const Census c = census(shot, corner);
        EXPECT_GT(c.dark, 3);
        EXPECT_GT(c.white, c.total / 2);
    }
    // Between them, the ground.
    const QColor gap = shot.pixelColor((left.right() + right.left()) / 2, left.center().y());
    EXPECT_FALSE(isWhite(gap));
}

TEST_F(WindowShotTest, ThePrintableFrameInItsColour) {
    pv.ShowPrintable(true);
    pv.ShowPrintableColor(0xFF0000);  // blue: red is the low byte
    const QImage shot = grabPreviewWindow(pv, {QSize(900, 700), "Whole Page", 1});
    save(shot, "window-printable.png");
    PreviewWindow& w = *pv.windowSettings().open.window;
    const QRect page = inWindow(w, w.pageView().leftPageRect());
    int blue = 0;
    for (int x = page.left(); x <= page.right(); ++x)
        for (int y = page.top(); y < page.top() + page.height() / 10; ++y) {
            const QColor c = shot.pixelColor(x, y);
            blue += c.blue() > 200 && c.red() < 60 && c.green() < 60;
        }
    // The frame's top edge crosses most of the page.
    EXPECT_GT(blue, page.width() * 3 / 4);
}

}  // namespace
}  // namespace kalder
