#include "document/cPage.h"

#include <limits>
#include <utility>

#include "core/DrawingLayer.h"
#include "document/RenderContext.h"
#include "document/PaperSizes.h"
#include "document/StyleXml.h"
#include "document/XmlItems.h"
#include "kalder/Enums.h"

namespace kalder {

namespace {
// Stores a + b - c ... when it fits 32 bits; otherwise the field keeps its value.
void setChecked(std::int32_t& field, long long value) {
    if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max())
        field = static_cast<std::int32_t>(value);
}
}  // namespace

void cPage::PageSize(std::int32_t size) {
    pageSize_ = size;
    SetInside();
}

std::int32_t cPage::PageWidth() const noexcept {
    PaperExtent e = paperExtent(pageSize_, userWidth_, userHeight_);
    return Style.Orientation == prORLandscape ? e.height : e.width;
}

std::int32_t cPage::PageHeight() const noexcept {
    PaperExtent e = paperExtent(pageSize_, userWidth_, userHeight_);
    return Style.Orientation == prORLandscape ? e.width : e.height;
}

std::int32_t cPage::PageInsideWidth() const noexcept { return PageInsideRight - PageInsideLeft; }
std::int32_t cPage::PageInsideHeight() const noexcept { return PageInsideBottom - PageInsideTop; }

void cPage::placeStandardFrame(cFrame& f, std::int32_t frameType) const {
    const long long width = static_cast<long long>(PageInsideRight) - PageInsideLeft;
    switch (frameType) {
        case kFrameInside:
            f.xPos = PageInsideLeft;
            f.yPos = PageInsideTop;
            setChecked(f.Width, width);
            setChecked(f.Height, static_cast<long long>(PageInsideBottom) - PageInsideTop);
            break;
        case kFrameHeader:
            f.xPos = PageMarginLeft;
            f.yPos = PageMarginTop;
            setChecked(f.Width, width);
            f.Height = PageHeaderSize;
            break;
        case kFrameFooter:
            f.xPos = PageMarginLeft;
            f.yPos = PageInsideBottom;
            setChecked(f.Width, width);
            f.Height = PageFooterSize;
            break;
        default:
            f.xPos = 0;
            f.yPos = 0;
            f.Width = PageWidth();
            f.Height = PageHeight();
    }
}

void cPage::SetInside() {
    PageInsideLeft = PageMarginLeft;
    setChecked(PageInsideTop, static_cast<long long>(PageMarginTop) + PageHeaderSize);
    setChecked(PageInsideRight, static_cast<long long>(PageWidth()) - PageMarginRight);
    setChecked(PageInsideBottom, static_cast<long long>(PageHeight()) - PageMarginBottom - PageFooterSize);
    for (const auto& f : frames_) f->Style.Orientation = Style.Orientation;
    // The standard frames are found by key, so a frame a caller made under one of these
    // names (after ClearPage, say) is placed too. "WholePage" keeps the size it was created with.
    static constexpr std::pair<const char*, std::int32_t> kPlaced[] = {
        {"inside", kFrameInside}, {"header", kFrameHeader}, {"footer", kFrameFooter}};
    for (const auto& [name, type] : kPlaced)
        if (auto f = frames_.Item(name)) placeStandardFrame(*f, type);
}

std::shared_ptr<cFrame> cPage::addStandardFrame(std::string_view name, std::int32_t type) {
    auto f = frames_.Add(name, type);
    if (f) {
        f->setStyle(Style);
        placeStandardFrame(*f, type);
    }
    return f;
}

void cPage::Init() {
    SetInside();
    addStandardFrame("inside", kFrameInside);
    addStandardFrame("WholePage", kFrameWholePage);
    if (PageHeaderSize > 0) addStandardFrame("header", kFrameHeader);
    if (PageFooterSize > 0) addStandardFrame("footer", kFrameFooter);
}

void cPage::SetHeader() {
    SetInside();
    if (PageHeaderSize > 0 && !frames_.Contains("header")) addStandardFrame("header", kFrameHeader);
}

void cPage::SetFooter() {
    SetInside();
    if (PageFooterSize > 0 && !frames_.Contains("footer")) addStandardFrame("footer", kFrameFooter);
}

std::shared_ptr<cFrame> cPage::AddFrame(std::string_view name) {
    auto f = std::make_shared<cFrame>();
    f->setStyle(Style);
    return frames_.AddFrame(f, name) ? f : nullptr;
}

void cPage::Clear() {
    for (const auto& f : frames_) f->Clear();
    frames_.Clear();
}

std::vector<std::shared_ptr<cFrame>> cPage::drawOrder(FrameOrder order) const {
    std::vector<std::shared_ptr<cFrame>> frames;
    frames.reserve(static_cast<std::size_t>(frames_.Count()));
    if (order == FrameOrder::Collection) {
        for (const auto& f : frames_) frames.push_back(f);
        return frames;
    }
    auto wholePage = frames_.Item(std::string_view("WholePage"));
    auto watermark = frames_.Item(std::string_view("watermark"));
    if (wholePage) frames.push_back(wholePage);
    if (watermark && watermark != wholePage) frames.push_back(watermark);
    for (const auto& f : frames_)
        if (f != wholePage && f != watermark) frames.push_back(f);
    return frames;
}

void cPage::Preview(RenderContext& ctx) const {
    const cPage* previous = ctx.page;
    ctx.page = this;
    for (const auto& f : drawOrder(ctx.canvas.rules().frameOrder)) f->Preview(ctx);
    ctx.page = previous;
    const PrinterMetrics* pm = ctx.canvas.printableArea();
    if (ShowPrintable && pm) {
        cStyle s = Style;
        s.LineStyle = Printable;
        const bool portrait = Style.Orientation == prORPortrait;
        const std::int32_t left = portrait ? pm->MarginWidth : pm->MarginHeight;
        const std::int32_t top = portrait ? pm->MarginHeight : pm->MarginWidth;
        try {
            ctx.canvas.PutBox(left, top, left + pm->PrintWidth, top + pm->PrintHeight, s);
        } catch (const std::exception&) {
        }
    }
}

template <class Self, class Io>
void cPage::fields(Self& self, Io io) {
    io.attribute("Key", self.Key);
    io.record("Style", self.Style, styleFields);
    io.item("PageSize", self.pageSize_);
    io.item("LogicalPageNo", self.LogicalPageNo);
    io.item("PageNoType", self.PageNoType);
    io.item("PageMarginLeft", self.PageMarginLeft);
    io.item("PageMarginTop", self.PageMarginTop);
    io.item("PageMarginRight", self.PageMarginRight);
    io.item("PageMarginBottom", self.PageMarginBottom);
    io.item("PageHeaderSize", self.PageHeaderSize);
    io.item("PageFooterSize", self.PageFooterSize);
    // The sheet is written as seen (swapped in landscape) and read back as the user size, kept
    // portrait, so that a user-defined sheet comes back as it was.
    std::int32_t width = self.PageWidth(), height = self.PageHeight();
    io.item("PageWidth", width);
    io.item("PageHeight", height);
    if constexpr (Io::loading) {
        const bool landscape = self.Style.Orientation == prORLandscape;
        self.userWidth_ = landscape ? height : width;
        self.userHeight_ = landscape ? width : height;
    }
    io.record("Printable", self.Printable, lineStyleRecord);
    io.item("ShowPrintable", self.ShowPrintable);
}

void cPage::writeXml(ItemWriter& out) const {
    out.open("Page");
    fields(*this, FieldWriter(out));
    out.open("Frames");
    for (const auto& f : frames_) f->writeXml(out);
    out.close();
    out.close();
}

void cPage::loadXml(const ItemReader& in) {
    fields(*this, FieldReader(in));
    SetInside();
}

void cPages::AddPage(const std::shared_ptr<cPage>& page, std::string_view key) {
    items_.add(page, key);
    page->Key = std::string(key);
}

}  // namespace kalder
