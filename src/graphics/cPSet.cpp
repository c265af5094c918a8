#include "graphics/cPSet.h"

#include "document/RenderContext.h"
#include "document/XmlItems.h"
#include "graphics/FramePosition.h"
#include "kalder/Enums.h"

namespace kalder {

cPSet::cPSet() : cElement(ekPSet) {}

void cPSet::Preview(const cFrame& frame, RenderContext& ctx) const {
    ctx.canvas.PutPoint(pageX(frame, x1, "cPSet"), pageY(frame, y1, "cPSet"), ctx.style);
}

std::shared_ptr<cElement> cPSet::Copy() const { return std::make_shared<cPSet>(*this); }

void cPSet::saveItems(ItemWriter& out) const {
    out.item("X1", x1);
    out.item("Y1", y1);
}

void cPSet::loadItems(const ItemReader& in) {
    x1 = in.Long("X1");
    y1 = in.Long("Y1");
}


}  // namespace kalder
