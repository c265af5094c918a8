// Rounded-rectangle element (kind 14): two opposite corners relative to the frame and a
// corner radius. The interior is filled only with a solid fill style.
#pragma once

#include <cstdint>

#include "document/cElement.h"

namespace kalder {

class cRoundRect final : public cElement {
public:
    cRoundRect();

    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    std::int32_t Radius = 0;

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
