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

template <class Self, class Io>
void cRoundRect::fields(Self& self, Io io) {
    io.item("X1", self.x1);
    io.item("Y1", self.y1);
    io.item("X2", self.x2);
    io.item("Y2", self.y2);
    io.item("Radius", self.Radius);
}

void cRoundRect::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cRoundRect::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }


}  // namespace kalder
