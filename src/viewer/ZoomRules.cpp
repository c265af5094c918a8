#include "viewer/ZoomRules.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/Locale.h"
#include "host/InterfaceTexts.h"
#include "kalder/Enums.h"

namespace kalder {

namespace {

// Blank room kept around the page by the fit modes, twips.
constexpr double kFitMargin = 100;
constexpr double kTwoPageMargin = 150;

double capped(double percent) { return std::min(percent, kMaxZoomPercent); }

// A number typed with either decimal mark, whatever the locale.
std::optional<double> typedNumber(std::string_view text) {
    std::string s(trimBlanks(text));
    const char mark = decimalMark();
    for (char& c : s)
        if (c == '.' || c == ',') c = mark;
    return parseNumber(s);
}

}  // namespace

ZoomNames currentZoomNames() { return {tr(kPageWidthLiteral), tr(kWholePageLiteral), tr(kTwoPagesLiteral)}; }

ZoomChoice chooseZoom(std::string_view text, std::int32_t pageCount, const ZoomNames& names) {
    ZoomChoice c;
    if (text == names.pageWidth) {
        c.mode = ZoomMode::PageWidth;
        c.text = names.pageWidth;
        return c;
    }
    if (text == names.wholePage || (text == names.twoPages && pageCount < 2)) {
        c.mode = ZoomMode::WholePage;
        c.text = names.wholePage;
        return c;
    }
    if (text == names.twoPages) {
        c.mode = ZoomMode::TwoPages;
        c.twoPages = true;
        c.text = names.twoPages;
        return c;
    }
    const std::optional<double> value = typedNumber(text.substr(0, text.find('%')));
    c.percent = value && *value > 0 && std::isfinite(*value) ? capped(*value) : 100;
    c.text = percentText(c.percent);
    return c;
}

ZoomFit fitZoom(ZoomMode mode, double percent, const ZoomGeometry& g) {
    ZoomFit fit;
    if (g.pageWidth <= 0 || g.pageHeight <= 0) return fit;
    switch (mode) {
        case ZoomMode::Percent: {
            fit.percent = percent;
            const double w = g.pageWidth * percent / 100;
            const double h = g.pageHeight * percent / 100;
            fit.verticalBar = h > g.areaHeight;
            fit.horizontalBar = w > g.areaWidth - (fit.verticalBar ? g.scrollBarWidth : 0);
            if (fit.horizontalBar && !fit.verticalBar) fit.verticalBar = h > g.areaHeight - g.scrollBarHeight;
            break;
        }
        case ZoomMode::WholePage:
            fit.percent = std::min((g.areaWidth - kFitMargin) * 100 / g.pageWidth,
                                   (g.areaHeight - kFitMargin) * 100 / g.pageHeight);
            break;
        case ZoomMode::PageWidth:
            fit.percent = (g.areaWidth - kFitMargin) * 100 / g.pageWidth;
            if (g.pageHeight * fit.percent / 100 > g.areaHeight) {
                fit.verticalBar = true;
                fit.percent = (g.areaWidth - kFitMargin - g.scrollBarWidth) * 100 / g.pageWidth;
            }
            break;
        case ZoomMode::TwoPages:
            fit.percent = std::min((g.areaWidth - kTwoPageMargin) * 100 / (2 * g.pageWidth),
                                   (g.areaHeight - kFitMargin) * 100 / g.pageHeight);
            break;
        default:
            return fit;
    }
    fit.percent = capped(fit.percent);
    return fit;
}

double zoomFactorOf(double percent) { return percent > 0 ? percent / 100 : 1.0; }

double zoomedIn(double percent) { return capped(std::floor(percent) + kZoomStep); }

double zoomedOut(double percent) { return std::max(kMinSteppedZoom, std::floor(percent) - kZoomStep); }

std::int32_t storedZoom(std::int32_t value) {
    if (value > kMaxStoredZoom) return kMaxStoredZoom;
    if (value < prZMTwoPages) return prZMDefault;
    return value;
}

std::string zoomTextForProperty(std::int32_t zoom, const ZoomNames& names) {
    switch (storedZoom(zoom)) {
        case prZMTwoPages: return names.twoPages;
        case prZMWholePage: return names.wholePage;
        case prZMPageWidth: return names.pageWidth;
        case prZMDefault: return names.wholePage;
        default: return std::to_string(storedZoom(zoom));
    }
}

std::string percentText(double percent) {
    // Whole and half percentages are what the steps and the list give; fits show one decimal.
    const double shown = std::round(percent * 10) / 10;
    return formatNumber(shown, 6) + "%";
}

}  // namespace kalder
