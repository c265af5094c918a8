#include "viewer/PageCache.h"

#include <algorithm>

#include "platform/PageImage.h"

namespace kalder {

QImage PageCache::page(const cDocument& doc, cPage& page, double zoom, double dotsPerInch,
                              double devicePixelRatio, const std::string& highlightKey) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.page == &page && e.zoom == zoom && e.dotsPerInch == dotsPerInch &&
               e.devicePixelRatio == devicePixelRatio && e.highlightKey == highlightKey;
    });
    if (it != entries_.end()) {
        // Most recent at the back.
        std::rotate(it, it + 1, entries_.end());
        return entries_.back().image;
    }
    PageImageOptions options;
    options.zoom = zoom;
    options.dotsPerInch = dotsPerInch * devicePixelRatio;
    options.highlightKey = highlightKey;
    // The oldest page makes room, and its pixels are drawn over when the sizes agree.
    QImage recycled;
    if (entries_.size() >= kEntries) {
        recycled = std::move(entries_.front().image);
        entries_.pop_front();
    }
    recycled.setDevicePixelRatio(1.0);
    QImage image = renderPageImage(doc, page, options, std::move(recycled));
    image.setDevicePixelRatio(devicePixelRatio);
    ++renders_;
    entries_.push_back({&page, zoom, dotsPerInch, devicePixelRatio, highlightKey, std::move(image)});
    return entries_.back().image;
}

void PageCache::clear() { entries_.clear(); }

}  // namespace kalder
