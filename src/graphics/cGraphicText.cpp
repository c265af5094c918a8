#include "graphics/cGraphicText.h"

#include "document/RenderContext.h"
#include "document/TextSink.h"
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

void cGraphicText::writeText(TextSink& out) const { out.textLine(Text, xPos, yPos, Align); }

std::shared_ptr<cElement> cGraphicText::Copy() const { return std::make_shared<cGraphicText>(*this); }

template <class Self, class Io>
void cGraphicText::fields(Self& self, Io io) {
    io.item("Text", self.Text);
    io.item("xPos", self.xPos);
    io.item("yPos", self.yPos);
    io.item("Align", self.Align);
    io.item("AutoStep", self.AutoStep);
}

void cGraphicText::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cGraphicText::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }


}  // namespace kalder
