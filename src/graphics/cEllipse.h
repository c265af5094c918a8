// Ellipse element (kind 2): a circle, an ellipse or an arc around a centre relative to the
// frame. A figure whose angles are both 0 is whole, with the aspect of its two radii;
// otherwise it is an arc from dStart to dEnd (radians) with the aspect dAspect. The default
// angles (0 to a full turn, aspect 1) are those of an ellipse as DrawEllipse makes it, which
// is drawn whole as well.
#pragma once

#include <cstdint>

#include "document/cElement.h"

namespace kalder {

class cEllipse final : public cElement {
public:
    static constexpr float kFullTurn = 6.2831853f;

    cEllipse();

    std::int32_t xPos = 0;  // centre
    std::int32_t yPos = 0;
    std::int32_t xRad = 0;
    std::int32_t yRad = 0;
    float dStart = 0;
    float dEnd = kFullTurn;
    float dAspect = 1;  // vertical / horizontal radius, for arcs

    // True when the element is drawn as a whole circle or ellipse rather than an arc.
    bool isWhole() const noexcept;

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
