#include "core/TextMeasurer.h"

#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <memory>
#include <string>
#include <unordered_map>

#include "core/FontFamilies.h"
#include "core/QtRuntime.h"

namespace kalder {

namespace {

constexpr double kTwipsPerInch = 1440.0;

// A 1440-dpi paint device for the metrics.
const QPaintDevice& twipDevice() {
    thread_local const QImage device = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = static_cast<int>(kTwipsPerInch / 0.0254 + 0.5);
        img.setDotsPerMeterX(dotsPerMetre);
        img.setDotsPerMeterY(dotsPerMetre);
        return img;
    }();
    return device;
}

struct FontKey {
    std::string name;
    float size;
    bool bold, italic, underline, strike;
    bool operator==(const FontKey&) const = default;
};
struct FontKeyHash {
    std::size_t operator()(const FontKey& k) const noexcept {
        return std::hash<std::string>{}(k.name) ^ (std::hash<float>{}(k.size) << 1) ^
               (static_cast<std::size_t>(k.bold) << 2) ^ (static_cast<std::size_t>(k.italic) << 3);
    }
};

// Metrics objects are costly to build, and each of their getters asks the font engine again
// (QFontPrivate::engineForScript), which costs more than the layout step that called it; a
// document uses few fonts. So an entry keeps the metrics object for widths and the vertical
// metrics read once. One cache per thread, so two exports in two threads never share one.
struct FontEntry {
    QFontMetricsF metrics;
    FontMetricsTwips vertical;
    double lineSpacing;
};

bool sameFont(const FontKey& k, const cStyle& s) noexcept {
    return k.size == s.FontSize && k.bold == s.Bold && k.italic == s.Italic && k.underline == s.Underline &&
           k.strike == s.Strikethru && k.name == s.FontName;
}

const FontEntry& entryFor(const cStyle& style) {
    struct Cache {
        std::unordered_map<FontKey, std::unique_ptr<FontEntry>, FontKeyHash> map;
        // The entry asked for last: runs of text in one style ask for the same font again and
        // again, and comparing against it spares building and hashing a key.
        const FontKey* lastKey = nullptr;
        const FontEntry* lastEntry = nullptr;
    };
    thread_local Cache cache;
    if (cache.lastKey && sameFont(*cache.lastKey, style)) return *cache.lastEntry;
    FontKey key{style.FontName, style.FontSize, style.Bold, style.Italic, style.Underline, style.Strikethru};
    auto it = cache.map.find(key);
    if (it == cache.map.end()) {
        ensureGuiApplication();
        if (cache.map.size() > 256) cache.map.clear();
        QFont f = TextMeasurer::font(style, style.FontSize / 20.0);
        QFontMetricsF m(f, &twipDevice());
        const double ascent = m.ascent(), descent = m.descent();
        auto entry = std::make_unique<FontEntry>(
            FontEntry{m, {ascent, descent, ascent + descent, m.leading()}, m.lineSpacing()});
        it = cache.map.emplace(std::move(key), std::move(entry)).first;
    }
    cache.lastKey = &it->first;
    cache.lastEntry = it->second.get();
    return *cache.lastEntry;
}

}  // namespace

const QPaintDevice& TextMeasurer::device() { return twipDevice(); }

QFont TextMeasurer::font(const cStyle& style, double points) {
    ensureGuiApplication();
    QFont f(installedFamily(style.FontName));
    f.setPointSizeF(points > 0 ? points : 0.1);
    f.setBold(style.Bold);
    f.setItalic(style.Italic);
    f.setUnderline(style.Underline);
    f.setStrikeOut(style.Strikethru);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);  // the same advance for a word whatever its neighbours, as exporters write it
    return f;
}

double TextMeasurer::width(const cStyle& style, std::string_view text) {
    if (text.empty()) return 0;
    return entryFor(style).metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

FontMetricsTwips TextMeasurer::metrics(const cStyle& style) { return entryFor(style).vertical; }

double TextMeasurer::height(const cStyle& style) { return entryFor(style).lineSpacing; }

}  // namespace kalder
