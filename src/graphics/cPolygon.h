// Polygon element (kind 13): a closed polygon through vertices relative to the frame. The
// interior is filled only with a solid fill style; an empty polygon draws nothing.
//
// XML items: "nVerts", then "xPos1", "yPos1", ... "xPos<n>", "yPos<n>".
#pragma once

#include <vector>

#include "document/cElement.h"
#include "kalder/Enums.h"

namespace kalder {

class cPolygon final : public cElement {
public:
    cPolygon();

    std::vector<POLYVERT> Poly;  // vertex i of the one-based model is Poly[i - 1]

    void Preview(const cFrame& frame, RenderContext& ctx) const override;
    std::shared_ptr<cElement> Copy() const override;

protected:
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;

private:
    // The items in their order, for saveItems (Self const) and loadItems.
    template <class Self, class Io>
    static void fields(Self& self, Io io);
};

}  // namespace kalder
