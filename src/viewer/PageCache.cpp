#include "viewer/PageCache.h"

#include <algorithm>

#include "platform/PageImage.h"

namespace kalder {

void PageCache::setPrinter(const PrinterMetrics& printer) {
    if (printer == printer_) return;
    printer_ = printer;
    clear();
}

bool PageCache::Entry::drawnFor(const cPage& p, double z, double dpi, double ratio, const std::string& key) const {
    return page == &p && zoom == z && dotsPerInch == dpi && devicePixelRatio == ratio && highlightKey == key;
}

PageCache::Entry* PageCache::find(const cPage& page, double zoom, double dotsPerInch, double devicePixelRatio,
                                  const std::string& highlightKey) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.drawnFor(page, zoom, dotsPerInch, devicePixelRatio, highlightKey);
    });
    if (it == entries_.end()) return nullptr;
    // Most recent at the back.
    std::rotate(it, it + 1, entries_.end());
    return &entries_.back();
}

bool PageCache::complete(const cPage& page, double zoom, double dotsPerInch, double devicePixelRatio,
                         const std::string& highlightKey) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.drawnFor(page, zoom, dotsPerInch, devicePixelRatio, highlightKey) && e.drawnFrom == 0 &&
               e.drawnTo == e.image.height();
    });
}

QImage PageCache::page(const cDocument& doc, const cPage& page, double zoom, double dotsPerInch, double devicePixelRatio,
                       const std::string& highlightKey, int rowsFrom, int rowsTo) {
    PageImageOptions options;
    options.zoom = zoom;
    options.dotsPerInch = dotsPerInch * devicePixelRatio;
    options.highlightKey = highlightKey;
    options.printer = printer_;
    auto drawRows = [&](Entry& e, int from, int to) {
        if (from >= to) return;
        options.rowsFrom = from;
        options.rowsTo = to;
        e.image.setDevicePixelRatio(1.0);
        e.image = renderPageImage(doc, page, options, std::move(e.image));
        e.image.setDevicePixelRatio(devicePixelRatio);
    };
    if (Entry* e = find(page, zoom, dotsPerInch, devicePixelRatio, highlightKey)) {
        const int from = std::clamp(rowsFrom, 0, e->image.height());
        const int to = std::clamp(rowsTo, from, e->image.height());
        // The drawn rows stay one run: what lies between is drawn as well.
        if (from < e->drawnFrom) drawRows(*e, from, e->drawnFrom);
        if (to > e->drawnTo) drawRows(*e, e->drawnTo, to);
        e->drawnFrom = std::min(e->drawnFrom, from);
        e->drawnTo = std::max(e->drawnTo, to);
        return e->image;
    }
    // The oldest page makes room, and its pixels are drawn over when the sizes agree.
    QImage recycled;
    if (entries_.size() >= kEntries) {
        recycled = std::move(entries_.front().image);
        entries_.pop_front();
    }
    entries_.push_back({&page, zoom, dotsPerInch, devicePixelRatio, highlightKey, std::move(recycled), 0, 0});
    Entry& e = entries_.back();
    const int height = pageImageSize(page, options).height();
    const int from = std::clamp(rowsFrom, 0, height);
    const int to = std::clamp(rowsTo, from, height);
    drawRows(e, from, to > from ? to : height);
    e.drawnFrom = from;
    e.drawnTo = to > from ? to : height;
    ++renders_;
    return e.image;
}

void PageCache::clear() { entries_.clear(); }

}  // namespace kalder
