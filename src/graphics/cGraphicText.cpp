#include "graphics/cGraphicText.h"

#include "document/RenderContext.h"
#include "core/TextMeasurer.h"
#include "document/XmlItems.h"
#include "document/cFrame.h"
#include "graphics/FramePosition.h"
#include "kalder/Variant.h"

namespace kalder {

namespace {
constexpr std::int32_t kHighlightColor = 255;  // red
constexpr const char* kSource = "cGraphicText";
}

cGraphicText::cGraphicText() : cElement(ekGraphicText) {}

void cGraphicText::Preview(const cFrame& frame, RenderContext& ctx) const {
    cStyle style = ctx.style;
    if (style.TextRotation != 0) {
        ctx.canvas.PutRotatedText(Text, pageX(frame, xPos, kSource), pageY(frame, yPos, kSource), style);
        return;
    }
    std::int32_t x = xPos;
    if (Align == prALRight || Align == prALCenter) {
        const double width = TextMeasurer::width(style, Text);
        x = roundToLong(Align == prALRight ? xPos - width : xPos - width / 2);
    }
    // Only the element key is compared: the match is drawn in red on whichever page shows it.
    if (!ctx.highlightKey.empty() && Key() == ctx.highlightKey) style.ForeColor = kHighlightColor;
    style.Charset = Charset;
    ctx.canvas.PutText(Text, pageX(frame, x, kSource), pageY(frame, yPos, kSource), style);
}

std::shared_ptr<cElement> cGraphicText::Copy() const { return std::make_shared<cGraphicText>(*this); }

void cGraphicText::saveItems(ItemWriter& out) const {
    out.item("Text", Text);
    out.item("xPos", xPos);
    out.item("yPos", yPos);
    out.item("Align", Align);
    out.item("AutoStep", AutoStep);
}

void cGraphicText::loadItems(const ItemReader& in) {
    Text = in.String("Text");
    xPos = in.Long("xPos");
    yPos = in.Long("yPos");
    Align = in.Long("Align");
    AutoStep = in.Long("AutoStep");
}


}  // namespace kalder
