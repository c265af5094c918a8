#include "graphics/cBarCode.h"

#include <algorithm>
#include <cmath>

#include "core/DrawTarget.h"
#include "core/TextMeasurer.h"
#include "document/RenderContext.h"
#include "document/XmlItems.h"
#include "graphics/FramePosition.h"
#include "graphics/barcodes/Symbol.h"

namespace kalder {

namespace {
constexpr std::int32_t kWhite = 0xFFFFFF;

void drawLinear(const std::string& modules, std::int32_t left, std::int32_t top, std::int32_t width,
                std::int32_t height, Canvas& canvas, cStyle style) {
    const std::int32_t color = style.LineStyle.Color;
    const auto count = static_cast<std::int64_t>(modules.size());
    const std::int64_t pitch = width / count;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int32_t x = checkedTwips(left + i * pitch + 1, "cBarCode");
        style.LineStyle.Color = modules[static_cast<std::size_t>(i)] == '1' ? color : kWhite;
        canvas.PutBox(x, top, x, checkedTwips(static_cast<std::int64_t>(top) + height, "cBarCode"), style);
    }
}

// Dark modules as filled squares, one box for each run of dark modules in a row, so that
// neighbouring squares meet without a seam.
void drawMatrix(const std::vector<std::string>& rows, std::int32_t left, std::int32_t top, std::int32_t width,
                std::int32_t height, Canvas& canvas, cStyle style) {
    const std::int64_t side = std::min(width, height) / static_cast<std::int64_t>(rows.size());
    if (side <= 0) return;
    style.FillStyle = vbFSSolid;
    style.FillColor = style.LineStyle.Color;
    cLineStyle none = style.LineStyle;
    none.LineType = vbInvisible;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string& row = rows[r];
        const std::int64_t y = top + static_cast<std::int64_t>(r) * side;
        for (std::size_t c = 0; c < row.size();) {
            if (row[c] != '1') {
                ++c;
                continue;
            }
            std::size_t end = c;
            while (end < row.size() && row[end] == '1') ++end;
            canvas.PutBoxFill(checkedTwips(left + static_cast<std::int64_t>(c) * side, "cBarCode"),
                              checkedTwips(y, "cBarCode"),
                              checkedTwips(left + static_cast<std::int64_t>(end) * side, "cBarCode"),
                              checkedTwips(y + side, "cBarCode"), none, style);
            c = end;
        }
    }
}
}  // namespace

cBarCode::cBarCode() : cElement(ekBarCode) {}

void cBarCode::Preview(const cFrame& frame, RenderContext& ctx) const {
    const barcodes::Symbol symbol = barcodes::encode(BarCodeType, Data, IncludeCheckDigit, QRLevel);
    if (symbol.rows.empty() || symbol.rows.front().empty()) return;
    const std::int32_t left = pageX(frame, xPos, "cBarCode");
    const std::int32_t top = pageY(frame, yPos, "cBarCode");
    if (symbol.rows.size() > 1) {
        drawMatrix(symbol.rows, left, top, BarWidth, BarHeight, ctx.canvas, ctx.style);
        return;
    }
    drawLinear(symbol.rows.front(), left, top, BarWidth, BarHeight, ctx.canvas, ctx.style);
    const double textWidth = TextMeasurer::width(ctx.style, Data);
    const auto x = static_cast<std::int64_t>(std::nearbyint(left + BarWidth / 2.0 - textWidth / 2.0));
    ctx.canvas.PutText(Data, checkedTwips(x, "cBarCode"),
                       checkedTwips(static_cast<std::int64_t>(top) + BarHeight, "cBarCode"), ctx.style);
}

std::shared_ptr<cElement> cBarCode::Copy() const { return std::make_shared<cBarCode>(*this); }

template <class Self, class Io>
void cBarCode::fields(Self& self, Io io) {
    io.item("xPos", self.xPos);
    io.item("yPos", self.yPos);
    io.item("BarWidth", self.BarWidth);
    io.item("BarHeight", self.BarHeight);
    io.item("Data", self.Data);
    io.item("BarCodeType", self.BarCodeType);
    io.itemIfSet("CheckDigit", self.IncludeCheckDigit);
}

void cBarCode::saveItems(ItemWriter& out) const {
    fields(*this, FieldWriter(out));
    if (BarCodeType == prQRCode) out.item("QRLevel", QRLevel);
}

void cBarCode::loadItems(const ItemReader& in) {
    fields(*this, FieldReader(in));
    QRLevel = BarCodeType == prQRCode && in.has("QRLevel") ? in.Long("QRLevel") : prQRLevelM;
}

}  // namespace kalder
