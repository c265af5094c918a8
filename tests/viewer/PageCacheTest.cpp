// The page cache draws a tall page where it is seen first and the rest later: the bands
// must join into exactly the picture of the page drawn whole.
#include <gtest/gtest.h>

#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "platform/PageImage.h"
#include "viewer/PageCache.h"
#include "viewer/ShowWindow.h"

namespace kalder {
namespace {

TEST(PageCache, BandsDrawnApartMakeTheWholePage) {
    ensureWidgetApplication();
    Preview pv;
    pv.AddFirstPage("0.5 in", "0.5 in", "0.5 in", "0.5 in");
    pv.FontName("Arial");
    for (int i = 0; i < 60; ++i) {
        // Sizes from small to tall, so that glyphs and boxes cross every band edge.
        pv.FontSize(6 + i % 5 * 6);
        pv.AddTextAt("Line " + std::to_string(i) + " gjpqy ÄÖÜ", (i % 3) * 3000, i * 260, prALLeft, prASNone);
        pv.DrawLine(500 + i * 150, i * 250, 2500 + i * 150, i * 250 + 700, prLBBox);
    }
    pv.DrawEllipse(3000, 3000, 2000, 5000);
    cDocument& doc = pv.document();
    cPage& page = *doc.pages().Item(1);

    PageImageOptions options;
    options.zoom = 1.75;
    // Qt puts the first drawing of a large glyph on screen a little differently from the
    // drawings after it (its glyph cache fills), so the reference is a second drawing.
    renderPageImage(doc, page, options);
    const QImage whole = renderPageImage(doc, page, options);

    PageCache cache;
    const std::string noHighlight;
    QImage shown = cache.page(doc, page, 1.75, 96, 1.0, noHighlight, 301, 517);
    EXPECT_FALSE(cache.complete(page, 1.75, 96, 1.0, noHighlight));
    EXPECT_EQ(shown.copy(0, 301, shown.width(), 216), whole.copy(0, 301, whole.width(), 216));
    shown = QImage();  // the cache draws in place only when nobody else holds the picture
    shown = cache.page(doc, page, 1.75, 96, 1.0, noHighlight, 900, 1200);  // below: rows between follow
    shown = QImage();
    shown = cache.page(doc, page, 1.75, 96, 1.0, noHighlight);
    EXPECT_TRUE(cache.complete(page, 1.75, 96, 1.0, noHighlight));
    EXPECT_EQ(cache.renders(), 1);  // one page started; the bands added to it do not count
    ASSERT_EQ(shown.size(), whole.size());
    EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) == whole.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace kalder
