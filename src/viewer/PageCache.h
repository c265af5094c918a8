// The preview window's rendered pages: each page is drawn through the drawing layer once per
// zoom and kept, so that scrolling, repainting and coming back to a page draw from the image.
//
// An entry is found by the page object, the zoom, the resolution and the highlighted element
// key; a few recent entries are kept (the two pages on show and their neighbours), the
// oldest dropped first. clear() forgets everything, for a changed document.
#pragma once

#include <QImage>
#include <cstdint>
#include <deque>
#include <limits>
#include <string>

#include "core/DrawingLayer.h"

namespace kalder {

class cDocument;
class cPage;

class PageCache {
public:
    static constexpr std::size_t kEntries = 6;

    // The page drawn at `zoom` (1 = 100 %) for a screen of `dotsPerInch`, with `devicePixelRatio`
    // more pixels for sharp pages on high-density screens; `highlightKey` is drawn in red.
    // Only the image rows [rowsFrom, rowsTo) are sure to be drawn (all of them by default):
    // a page much taller than the window is drawn where it is seen first, and the rest when
    // asked for. The rows drawn so far are kept per page, and only missing ones are drawn.
    // The image is drawn in place: callers hold no other copy of it while asking.
    QImage page(const cDocument& doc, const cPage& page, double zoom, double dotsPerInch, double devicePixelRatio,
                const std::string& highlightKey, int rowsFrom = 0, int rowsTo = std::numeric_limits<int>::max());
    // Whether the page at these settings is cached with every row drawn.
    bool complete(const cPage& page, double zoom, double dotsPerInch, double devicePixelRatio,
                  const std::string& highlightKey) const;

    void clear();
    // The printer the pages are previewed for; a different one drops the cached pages.
    void setPrinter(const PrinterMetrics& printer);

    // How many pages were started anew (bands added to a cached page do not count), for
    // checks that a repaint drew from the cache.
    std::int64_t renders() const noexcept { return renders_; }

private:
    struct Entry {
        const cPage* page;
        double zoom;
        double dotsPerInch;
        double devicePixelRatio;
        std::string highlightKey;
        QImage image;
        int drawnFrom = 0;  // the rows drawn so far, one run [drawnFrom, drawnTo)
        int drawnTo = 0;

        bool drawnFor(const cPage& p, double z, double dpi, double ratio, const std::string& key) const;
    };
    Entry* find(const cPage& page, double zoom, double dotsPerInch, double devicePixelRatio,
                const std::string& highlightKey);
    std::deque<Entry> entries_;
    std::int64_t renders_ = 0;
    PrinterMetrics printer_;
};

}  // namespace kalder
