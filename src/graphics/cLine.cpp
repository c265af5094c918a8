#include "graphics/cLine.h"

#include "document/RenderContext.h"
#include "document/XmlItems.h"
#include "graphics/FramePosition.h"
#include "kalder/Enums.h"

namespace kalder {

cLine::cLine() : cElement(ekLine) {}

void cLine::Preview(const cFrame& frame, RenderContext& ctx) const {
    const cStyle& style = ctx.style;
    const std::int32_t ax1 = pageX(frame, x1, "cLine"), ay1 = pageY(frame, y1, "cLine");
    const std::int32_t ax2 = pageX(frame, x2, "cLine"), ay2 = pageY(frame, y2, "cLine");
    // Any other BF value is no figure at all, so nothing is drawn for it.
    switch (BF) {
        case prLBLine: ctx.canvas.PutLine(ax1, ay1, ax2, ay2, style); break;
        case prLBBox: ctx.canvas.PutBox(ax1, ay1, ax2, ay2, style); break;
        case prLBBoxFill: ctx.canvas.PutBoxFill(ax1, ay1, ax2, ay2, style.LineStyle, style); break;
        default: break;
    }
}

std::shared_ptr<cElement> cLine::Copy() const { return std::make_shared<cLine>(*this); }

template <class Self, class Io>
void cLine::fields(Self& self, Io io) {
    io.item("X1", self.x1);
    io.item("Y1", self.y1);
    io.item("X2", self.x2);
    io.item("Y2", self.y2);
    io.item("BF", self.BF);
}

void cLine::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cLine::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }


}  // namespace kalder
