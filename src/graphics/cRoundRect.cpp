#include "graphics/cRoundRect.h"

#include "document/RenderContext.h"
#include "document/XmlItems.h"
#include "graphics/FramePosition.h"
#include "kalder/Enums.h"

namespace kalder {

cRoundRect::cRoundRect() : cElement(ekRoundRect) {}

void cRoundRect::Preview(const cFrame& frame, RenderContext& ctx) const {
    ctx.canvas.PutRoundRect(pageX(frame, x1, "cRoundRect"), pageY(frame, y1, "cRoundRect"),
                            pageX(frame, x2, "cRoundRect"), pageY(frame, y2, "cRoundRect"), Radius, ctx.style);
}

std::shared_ptr<cElement> cRoundRect::Copy() const { return std::make_shared<cRoundRect>(*this); }

void cRoundRect::saveItems(ItemWriter& out) const {
    out.item("X1", x1);
    out.item("Y1", y1);
    out.item("X2", x2);
    out.item("Y2", y2);
    out.item("Radius", Radius);
}

void cRoundRect::loadItems(const ItemReader& in) {
    x1 = in.Long("X1");
    y1 = in.Long("Y1");
    x2 = in.Long("X2");
    y2 = in.Long("Y2");
    Radius = in.Long("Radius");
}


}  // namespace kalder
