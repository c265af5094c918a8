#include "graphics/cPolygon.h"

#include <algorithm>
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

void cPolygon::saveItems(ItemWriter& out) const {
    out.item("nVerts", static_cast<std::int32_t>(Poly.size()));
    for (std::size_t i = 0; i < Poly.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        out.item("xPos" + n, Poly[i].X);
        out.item("yPos" + n, Poly[i].Y);
    }
}

void cPolygon::loadItems(const ItemReader& in) {
    std::int32_t count = in.Long("nVerts");
    // Each vertex takes two items, so a count beyond half the items cannot describe real
    // vertices; capping it keeps a damaged or hostile file from asking for gigabytes.
    std::int32_t items = 0;
    for (pugi::xml_node n = in.node().first_child(); n && items / 2 < count; n = n.next_sibling()) ++items;
    count = std::clamp(count, 0, items / 2);
    Poly.assign(static_cast<std::size_t>(count), POLYVERT{});
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string n = std::to_string(i + 1);
        Poly[static_cast<std::size_t>(i)].X = in.Long(("xPos" + n).c_str());
        Poly[static_cast<std::size_t>(i)].Y = in.Long(("yPos" + n).c_str());
    }
}


}  // namespace kalder
