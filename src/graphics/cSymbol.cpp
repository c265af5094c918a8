#include "graphics/cSymbol.h"

#include "core/DrawTarget.h"
#include "document/RenderContext.h"
#include "core/Locale.h"
#include "core/TextMeasurer.h"
#include "document/XmlItems.h"
#include "graphics/FramePosition.h"
#include "kalder/AutomationError.h"
#include "kalder/Enums.h"

namespace kalder {

namespace {
constexpr const char* kSource = "cSymbol";
constexpr std::int32_t kWhite = 0xFFFFFF;

std::int32_t offset(std::int32_t v, long long by) { return checkedTwips(v + by, kSource); }
}  // namespace

cSymbol::cSymbol() : cElement(ekSymbol) {}

bool cSymbol::isInternalSymbol(const std::string& id) { return id == "box" || id == "radio" || id == "checkbox"; }

void cSymbol::raiseUnknownSymbol(const std::string& id) {
    throw AutomationError(err::InvalidCall, "DrawSymbol", "Unknown symbol : " + id);
}

bool cSymbol::checked() const {
    // "True" and "False" as text, as a caller's Boolean often arrives; numbers by their value.
    if (Param.isString()) {
        const std::string text = lowerAscii(trimBlanks(Param.toString()));
        if (text == "true") return true;
        if (text == "false") return false;
    }
    try {
        return Param.toBool();
    } catch (const AutomationError&) {
        return false;  // no state, or one that is no truth value: unchecked
    }
}

void cSymbol::Preview(const cFrame& frame, RenderContext& ctx) const {
    const cStyle& style = ctx.style;
    Canvas& canvas = ctx.canvas;
    const std::int32_t x = pageX(frame, xPos, kSource), y = pageY(frame, yPos, kSource);

    if (SetName != kInternalSet) {
        cStyle font = style;
        font.FontName = SetName;
        font.FontSize = static_cast<float>(Size);
        const double width = TextMeasurer::width(font, SymbolId), height = TextMeasurer::height(font);
        canvas.PutText(SymbolId, offset(x, -roundToLong(width / 2)), offset(y, -roundToLong(height / 2)), font);
        return;
    }

    if (SymbolId == "radio") {
        cStyle ring = style;
        ring.FillColor = kWhite;
        canvas.PutCircle(x, y, Size / 2.0f, 0, 0, 1, ring);
        if (checked()) {
            // The dot takes the outline's colour, so the symbol reads as one mark.
            cStyle dot = style;
            dot.FillStyle = vbFSSolid;
            dot.FillColor = style.LineStyle.Color;
            canvas.PutCircle(x, y, Size / 4.0f, 0, 0, 1, dot);
        }
        return;
    }
    if (SymbolId != "box" && SymbolId != "checkbox") raiseUnknownSymbol(SymbolId);

    const std::int32_t left = offset(x, -(Size / 2)), top = offset(y, -(Size / 2));
    const std::int32_t right = offset(left, Size), bottom = offset(top, Size);
    canvas.PutBox(left, top, right, bottom, style);
    if (SymbolId == "checkbox" && checked()) {
        // An X from corner to corner, held off the outline by a fifth of the side.
        const std::int32_t inset = Size / 5;
        const std::int32_t l = offset(left, inset), t = offset(top, inset);
        const std::int32_t r = offset(right, -inset), b = offset(bottom, -inset);
        canvas.PutLine(l, t, r, b, style);
        canvas.PutLine(l, b, r, t, style);
    }
}

std::shared_ptr<cElement> cSymbol::Copy() const { return std::make_shared<cSymbol>(*this); }

template <class Self, class Io>
void cSymbol::fields(Self& self, Io io) {
    io.item("SetName", self.SetName);
    io.item("SymbolId", self.SymbolId);
    io.item("Size", self.Size);
    io.item("xPos", self.xPos);
    io.item("yPos", self.yPos);
    // The checked state travels too, so a ticked box stays ticked after a save and a load.
    bool ticked = self.SetName == kInternalSet && self.checked();
    io.itemIfSet("Param", ticked);
    if constexpr (Io::loading) self.Param = ticked;
}

void cSymbol::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cSymbol::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }


}  // namespace kalder
