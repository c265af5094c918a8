// The zoom rules of the preview window, apart from the window so that they can be checked
// on their own. Sizes are twips; percentages are of the page's real size.
//
// Modes: a percentage, the whole page in the area, the page width in the area, or two pages
// side by side. Every percentage is capped at 175; the steps of zoom in and out are 25.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kalder {

enum class ZoomMode : std::int32_t { Percent = 0, WholePage = 1, PageWidth = 2, TwoPages = 3 };

constexpr double kMaxZoomPercent = 175;
constexpr double kZoomStep = 25;
constexpr double kMinSteppedZoom = 25;  // zoom out stops here
constexpr std::int32_t kMaxStoredZoom = 200;

// The entries of the zoom list, in their order: the percentages, then the three fit modes.
constexpr const char* kZoomPercentEntries[] = {"175%", "150%", "100%", "75%", "50%", "25%"};
constexpr const char* kPageWidthLiteral = "Page Width@54";
constexpr const char* kWholePageLiteral = "Whole Page@55";
constexpr const char* kTwoPagesLiteral = "Two Pages@56";

// The fit modes' names as the zoom list shows them in the current language.
struct ZoomNames {
    std::string pageWidth;
    std::string wholePage;
    std::string twoPages;
};
ZoomNames currentZoomNames();

// What a text chosen in the zoom list or typed into the zoom box selects.
struct ZoomChoice {
    ZoomMode mode = ZoomMode::Percent;
    double percent = 100;  // the percentage of mode Percent
    bool twoPages = false;
    std::string text;  // what the zoom box shows afterwards
};
// A fit mode's name selects it ("Two Pages" needs two pages, else it is the whole page).
// Anything else is a percentage: the text before the first "%", "." or "," as the decimal
// mark; above 175 it is 175; text that is no number, and a number of 0 or less, is 100 %.
ZoomChoice chooseZoom(std::string_view text, std::int32_t pageCount, const ZoomNames& names);

struct ZoomGeometry {
    double pageWidth = 0;
    double pageHeight = 0;
    double areaWidth = 0;  // the display area, scroll bars included
    double areaHeight = 0;
    double scrollBarWidth = 0;   // of the vertical bar
    double scrollBarHeight = 0;  // of the horizontal bar
};
struct ZoomFit {
    double percent = -1;
    bool verticalBar = false;
    bool horizontalBar = false;
};
// The percentage a mode shows in the area and which scroll bars it needs:
//   percent:    the given percentage; a bar where the zoomed page exceeds the area (the
//               other bar's room counted once one is shown);
//   whole page: min((area w - 100) x 100 / page w, (area h - 100) x 100 / page h);
//   page width: (area w - 100) x 100 / page w; when the page is then taller than the area,
//               the vertical bar is shown and its width taken off the area first;
//   two pages:  min((area w - 150) x 100 / (2 x page w), (area h - 100) x 100 / page h).
// The result is capped at 175.
ZoomFit fitZoom(ZoomMode mode, double percent, const ZoomGeometry& geometry);

// The drawing layer's zoom factor for a percentage: percent / 100, or 1 when it is 0 or less.
double zoomFactorOf(double percent);

// One step in (+25, at most 175) and out (-25, at least 25), on whole percentages.
double zoomedIn(double percent);
double zoomedOut(double percent);

// The Zoom property as stored: above 200 it is 200, below -4 it is -1 (the default).
std::int32_t storedZoom(std::int32_t value);
// The text the zoom box shows for a Zoom property value when the window opens: the number
// itself, or the name of the fit mode; -1 (the default) opens at the whole page.
std::string zoomTextForProperty(std::int32_t zoom, const ZoomNames& names);

// "75%", "62.5%" (the decimal mark of the user locale).
std::string percentText(double percent);

}  // namespace kalder
