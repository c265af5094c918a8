// Point element (kind 12): one point relative to the frame, drawn in the running style's
// ForeColor. LineStyle is the element's own line record, kept for the exports that draw the
// point as a short line.
#pragma once

#include <cstdint>

#include "kalder/cLineStyle.h"
#include "document/cElement.h"

namespace kalder {

class cPSet final : public cElement {
public:
    cPSet();

    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    cLineStyle LineStyle;

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
