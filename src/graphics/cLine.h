// Line element (kind 1): a straight line, an outlined box or a filled box between two
// points relative to the frame. Pen and fill come from the frame's running style when drawn.
#pragma once

#include <cstdint>

#include "document/cElement.h"

namespace kalder {

class cLine final : public cElement {
public:
    cLine();

    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    // eLineBox: prLBLine, prLBBox (outline only) or prLBBoxFill (interior per FillStyle).
    std::int32_t BF = 0;

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
