#include "graphics/cPolygon.h"

#include <string>

#include "document/RenderContext.h"
#include "document/XmlItems.h"
#include "graphics/FramePosition.h"

namespace kalder {

cPolygon::cPolygon() : cElement(ekPolygon) {}

void cPolygon::Preview(const cFrame& frame, RenderContext& ctx) const {
    if (Poly.empty()) return;
    std::vector<POLYVERT> onPage;
    onPage.reserve(Poly.size());
    for (const POLYVERT& v : Poly) onPage.push_back({pageX(frame, v.X, "cPolygon"), pageY(frame, v.Y, "cPolygon")});
    ctx.canvas.PutPolygon(onPage, ctx.style);
}

std::shared_ptr<cElement> cPolygon::Copy() const { return std::make_shared<cPolygon>(*this); }

template <class Self, class Io>
void cPolygon::fields(Self& self, Io io) {
    io.listSize("nVerts", self.Poly, 2);  // two items a vertex
    for (std::size_t i = 0; i < self.Poly.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        io.item(("xPos" + n).c_str(), self.Poly[i].X);
        io.item(("yPos" + n).c_str(), self.Poly[i].Y);
    }
}

void cPolygon::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cPolygon::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }


}  // namespace kalder
