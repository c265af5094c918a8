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
#include <string>

namespace kalder {

class cDocument;
class cPage;

class PageCache {
public:
    static constexpr std::size_t kEntries = 6;

    // The page drawn at `zoom` (1 = 100 %) for a screen of `dotsPerInch`, with `devicePixelRatio`
    // more pixels for sharp pages on high-density screens; `highlightKey` is drawn in red.
    QImage page(const cDocument& doc, cPage& page, double zoom, double dotsPerInch,
                       double devicePixelRatio, const std::string& highlightKey);

    void clear();
    // How many pages were drawn, for checks that a repaint drew from the cache.
    std::int64_t renders() const noexcept { return renders_; }

private:
    struct Entry {
        const cPage* page;
        double zoom;
        double dotsPerInch;
        double devicePixelRatio;
        std::string highlightKey;
        QImage image;
    };
    std::deque<Entry> entries_;
    std::int64_t renders_ = 0;
};

}  // namespace kalder
