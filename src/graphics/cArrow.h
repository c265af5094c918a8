// Arrow element (kind 9): a shaft from (x1, y1) to (x2, y2), relative to the frame, with an
// optional head at each end. A head size of 0 means no head at that end.
//
// Head geometry: the head is ArrowSize long measured along the shaft, its two side points
// lie 30 degrees off the shaft on either side of the tip. prARSharp fills the triangle of
// tip and side points in the line colour; prARAngle draws the two strokes from the tip to
// the side points. A shaft of no length has no direction and gets no heads.
#pragma once

#include <array>
#include <cstdint>

#include "document/cElement.h"
#include "kalder/Enums.h"

namespace kalder {

class cArrow final : public cElement {
public:
    cArrow();

    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    std::int32_t ArrowTypeStart = prARSharp;  // eArrowType
    std::int32_t ArrowTypeEnd = prARSharp;
    std::int32_t ArrowSizeStart = 0;  // twips
    std::int32_t ArrowSizeEnd = 0;

    // The side points of a head of `length` whose tip is `tip`, for a shaft coming from
    // `from` (all page twips, rounded half to even).
    static std::array<POLYVERT, 2> headSides(POLYVERT from, POLYVERT tip, std::int32_t length);

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
