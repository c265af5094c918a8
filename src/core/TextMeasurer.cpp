#include "core/TextMeasurer.h"

#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <list>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

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

// Metrics objects are costly to build; a document uses few fonts. One cache per thread, so
// two exports in two threads never share one.
const QFontMetricsF& metricsFor(const cStyle& style) {
    struct Cache {
        std::unordered_map<FontKey, std::unique_ptr<QFontMetricsF>, FontKeyHash> map;
    };
    thread_local Cache cache;
    FontKey key{style.FontName, style.FontSize, style.Bold, style.Italic, style.Underline, style.Strikethru};
    auto it = cache.map.find(key);
    if (it != cache.map.end()) return *it->second;
    ensureGuiApplication();
    if (cache.map.size() > 256) cache.map.clear();
    QFont f = TextMeasurer::font(style, style.FontSize / 20.0);
    auto m = std::make_unique<QFontMetricsF>(f, &twipDevice());
    return *cache.map.emplace(std::move(key), std::move(m)).first->second;
}

}  // namespace

QFont TextMeasurer::font(const cStyle& style, double points) {
    ensureGuiApplication();
    QFont f(QString::fromStdString(style.FontName));
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
    return metricsFor(style).horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

FontMetricsTwips TextMeasurer::metrics(const cStyle& style) {
    const QFontMetricsF& m = metricsFor(style);
    return {m.ascent(), m.descent(), m.ascent() + m.descent(), m.leading()};
}

double TextMeasurer::height(const cStyle& style) { return metricsFor(style).lineSpacing(); }

}  // namespace kalder
