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

template <class Self, class Io>
void cPSet::fields(Self& self, Io io) {
    io.item("X1", self.x1);
    io.item("Y1", self.y1);
}

void cPSet::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cPSet::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }


}  // namespace kalder
