#include "graphics/cArrow.h"

#include <cmath>

#include "core/DrawTarget.h"
#include "document/RenderContext.h"
#include "document/XmlItems.h"
#include "graphics/FramePosition.h"
#include "kalder/Variant.h"

namespace kalder {

namespace {
constexpr const char* kSource = "cArrow";
constexpr double kPi = 3.14159265;
constexpr double kHeadAngle = 30 * kPi / 180;

void drawHead(Canvas& canvas, const cStyle& style, POLYVERT from, POLYVERT tip, std::int32_t type,
              std::int32_t size) {
    if (size == 0) return;
    const auto sides = cArrow::headSides(from, tip, size);
    if (type == prARSharp) {
        // A filled head whatever the running fill: it is part of the line, so it takes the
        // line's colour.
        cStyle head = style;
        head.FillStyle = vbFSSolid;
        head.FillColor = style.LineStyle.Color;
        canvas.PutPolygon({tip, sides[0], sides[1]}, head);
    } else if (type == prARAngle) {
        canvas.PutLine(tip.X, tip.Y, sides[0].X, sides[0].Y, style);
        canvas.PutLine(tip.X, tip.Y, sides[1].X, sides[1].Y, style);
    }
    // Other head types are no head.
}
}  // namespace

cArrow::cArrow() : cElement(ekArrow) {}

std::array<POLYVERT, 2> cArrow::headSides(POLYVERT from, POLYVERT tip, std::int32_t length) {
    // Unit vector from the tip back along the shaft, and its normal.
    const double angle = std::atan2(static_cast<double>(from.Y) - tip.Y, static_cast<double>(from.X) - tip.X);
    const double ux = std::cos(angle), uy = std::sin(angle);
    const double back = length, across = length * std::tan(kHeadAngle);
    auto point = [&](double side) {
        return POLYVERT{roundToLong(tip.X + back * ux - side * across * uy),
                        roundToLong(tip.Y + back * uy + side * across * ux)};
    };
    return {point(1), point(-1)};
}

void cArrow::Preview(const cFrame& frame, RenderContext& ctx) const {
    const cStyle& style = ctx.style;
    const POLYVERT start{pageX(frame, x1, kSource), pageY(frame, y1, kSource)};
    const POLYVERT end{pageX(frame, x2, kSource), pageY(frame, y2, kSource)};
    ctx.canvas.PutLine(start.X, start.Y, end.X, end.Y, style);
    if (start.X == end.X && start.Y == end.Y) return;
    drawHead(ctx.canvas, style, end, start, ArrowTypeStart, ArrowSizeStart);
    drawHead(ctx.canvas, style, start, end, ArrowTypeEnd, ArrowSizeEnd);
}

std::shared_ptr<cElement> cArrow::Copy() const { return std::make_shared<cArrow>(*this); }

template <class Self, class Io>
void cArrow::fields(Self& self, Io io) {
    io.item("X1", self.x1);
    io.item("Y1", self.y1);
    io.item("X2", self.x2);
    io.item("Y2", self.y2);
    io.item("ArrowSizeStart", self.ArrowSizeStart);
    io.item("ArrowSizeEnd", self.ArrowSizeEnd);
    io.item("ArrowTypeStart", self.ArrowTypeStart);
    io.item("ArrowTypeEnd", self.ArrowTypeEnd);
}

void cArrow::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cArrow::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }


}  // namespace kalder
