#include "graphics/cEllipse.h"

#include <cmath>

#include "document/RenderContext.h"
#include "document/XmlItems.h"
#include "graphics/FramePosition.h"
#include "kalder/Enums.h"

namespace kalder {

namespace {
// A full turn as the XML items keep it: seven significant digits may not give back the same
// single, so the comparison allows for the last digit.
bool isFullTurn(float angle) { return std::fabs(angle - cEllipse::kFullTurn) < 1e-5f; }
}  // namespace

cEllipse::cEllipse() : cElement(ekEllipse) {}

bool cEllipse::isWhole() const noexcept {
    if (dStart == 0 && dEnd == 0) return true;
    // DrawEllipse leaves the angles at their defaults, which would make an arc from 0 to 6.27
    // of radius xRad and aspect 1 -- a circle with a gap, whatever yRad says. When the two
    // radii differ the user asked for an ellipse, so it is drawn whole; with equal radii it
    // is the arc it says it is, gap included.
    return dStart == 0 && isFullTurn(dEnd) && dAspect == 1 && xRad != yRad;
}

void cEllipse::Preview(const cFrame& frame, RenderContext& ctx) const {
    const std::int32_t x = pageX(frame, xPos, "cEllipse"), y = pageY(frame, yPos, "cEllipse");
    if (isWhole()) {
        const float aspect = xRad == 0 ? 1.0f : static_cast<float>(yRad) / static_cast<float>(xRad);
        // The canvas takes the larger half-axis as the radius, so a tall ellipse passes yRad
        // and gets xRad back through the aspect.
        const std::int32_t radius = xRad != 0 && yRad > xRad ? yRad : xRad;
        ctx.canvas.PutCircle(x, y, static_cast<float>(radius), 0, 0, aspect, ctx.style);
    } else {
        // The canvas rounds the end angle for its surface; dEnd itself keeps its value, so
        // every repaint draws the same arc.
        ctx.canvas.PutCircle(x, y, static_cast<float>(xRad), dStart, dEnd, dAspect, ctx.style);
    }
}

std::shared_ptr<cElement> cEllipse::Copy() const { return std::make_shared<cEllipse>(*this); }

template <class Self, class Io>
void cEllipse::fields(Self& self, Io io) {
    io.item("xPos", self.xPos);
    io.item("yPos", self.yPos);
    io.item("XRad", self.xRad);
    io.item("YRad", self.yRad);
    io.item("dStart", self.dStart);
    io.item("dEnd", self.dEnd);
    io.item("dAspect", self.dAspect);
}

void cEllipse::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cEllipse::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }


}  // namespace kalder
