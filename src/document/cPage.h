// A page: its geometry (paper size, margins, header and footer bands, the inside rectangle
// computed from them), its attributes and its frames in drawing order.
//
// Standard frames: "inside" (type 1, the inside rectangle), "WholePage" (type 0, the whole
// sheet), "header" (type 2, above the inside) and "footer" (type 3, below it), the last two
// only while their band has a depth.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Canvas.h"
#include "document/ObjectCollection.h"
#include "document/cFrame.h"
#include "kalder/cLineStyle.h"
#include "document/cPrinterStyle.h"
#include "core/cStyle.h"

namespace kalder {

struct RenderContext;

class cPage {
public:
    std::string Key;
    cStyle Style;
    std::int32_t LogicalPageNo = 1;
    std::int32_t PageNoType = 0;  // ePageNoType
    std::int32_t PageMarginLeft = 0;
    std::int32_t PageMarginTop = 0;
    std::int32_t PageMarginRight = 0;
    std::int32_t PageMarginBottom = 0;
    std::int32_t PageInsideLeft = 0;
    std::int32_t PageInsideTop = 0;
    std::int32_t PageInsideRight = 0;
    std::int32_t PageInsideBottom = 0;
    std::int32_t PageHeaderSize = 0;
    std::int32_t PageFooterSize = 0;
    cLineStyle Printable;
    bool ShowPrintable = false;
    cPrinterStyle PrinterStyle;

    cFrames& Frames() noexcept { return frames_; }
    const cFrames& Frames() const noexcept { return frames_; }

    // ePaperSize; setting it recomputes the inside rectangle.
    std::int32_t PageSize() const noexcept { return pageSize_; }
    void PageSize(std::int32_t size);

    // The sheet size from the paper size and the page style's orientation (landscape swaps).
    std::int32_t PageWidth() const noexcept;
    std::int32_t PageHeight() const noexcept;
    // Store the user size, used with the user-defined paper size.
    void PageWidth(std::int32_t width) noexcept { userWidth_ = width; }
    void PageHeight(std::int32_t height) noexcept { userHeight_ = height; }
    std::int32_t UserWidth() const noexcept { return userWidth_; }
    std::int32_t UserHeight() const noexcept { return userHeight_; }

    std::int32_t PageInsideWidth() const noexcept;
    std::int32_t PageInsideHeight() const noexcept;

    // Creates the standard frames ("inside", "WholePage", and "header"/"footer" when their
    // band has a depth), each with a copy of the page style.
    void Init();
    // Recomputes the inside rectangle from margins and bands and moves the "inside", "header"
    // and "footer" frames to it. A field whose difference overflows keeps its value.
    void SetInside();
    // SetInside, then creates the "header" / "footer" frame when its band has a depth and
    // the page has none yet.
    void SetHeader();
    void SetFooter();
    // A frame with a copy of the page style, appended under `name` (nothing when used).
    std::shared_ptr<cFrame> AddFrame(std::string_view name);
    // Clears every frame's elements, then removes all frames.
    void Clear();

    // Draws the frames in the order the canvas's rules give (drawOrder), then the printer's
    // printable area when it is shown and the canvas can show it.
    void Preview(RenderContext& ctx) const;
    // The frames in the order they are drawn.
    std::vector<std::shared_ptr<cFrame>> drawOrder(FrameOrder order) const;

    // Gives a frame the rectangle of the standard frame of that type (kFrameInside,
    // kFrameHeader, kFrameFooter; any other type: the whole sheet).
    void placeStandardFrame(cFrame& frame, std::int32_t frameType) const;

    // XML form: <Page Key=".."> <Style/> PageSize LogicalPageNo PageNoType PageMargin* PageHeaderSize
    // PageFooterSize PageWidth PageHeight <Printable><LineStyle/></Printable> ShowPrintable
    // <Frames>...</Frames></Page>
    void writeXml(ItemWriter& out) const;
    // Reads the page's own items (not its frames) and recomputes the inside rectangle.
    void loadXml(const ItemReader& in);

private:
    // The page's own items, in order, for writeXml (Self const) and loadXml.
    template <class Self, class Io>
    static void fields(Self& self, Io io);

    std::shared_ptr<cFrame> addStandardFrame(std::string_view name, std::int32_t type);

    cFrames frames_;
    std::int32_t pageSize_ = 9;
    std::int32_t userWidth_ = 0;
    std::int32_t userHeight_ = 0;
};

class cPages : public ObjectCollection<cPage> {
public:
    // Sets the page's key and appends it; a key already used fails with error 457.
    void AddPage(const std::shared_ptr<cPage>& page, std::string_view key);
};

}  // namespace kalder
