#include "graphics/cGraphicText.h"

#include "core/DrawingLayer.h"
#include "core/TextMeasurer.h"
#include "document/XmlItems.h"
#include "document/cFrame.h"
#include "kalder/Variant.h"

namespace kalder {

namespace {
constexpr std::int32_t kHighlightColor = 255;  // red
}

cGraphicText::cGraphicText() : cElement(ekGraphicText) {}

void cGraphicText::Preview(cFrame& frame, DrawingLayer& layer) {
    cStyle style = frame.CurrentStyle;
    if (style.TextRotation != 0) {
        layer.PutRotatedText(Text, xPos + frame.xPos, yPos + frame.yPos, style);
        return;
    }
    std::int32_t x = xPos;
    if (Align == prALRight || Align == prALCenter) {
        const double width = TextMeasurer::width(style, Text);
        x = roundToLong(Align == prALRight ? xPos - width : xPos - width / 2);
    }
    // Only the element key is compared: the match is drawn in red on whichever page shows it.
    if (layer.onScreen() && !layer.highlightKey.empty() && Key() == layer.highlightKey)
        style.ForeColor = kHighlightColor;
    style.Charset = Charset;
    layer.PutText(Text, x + frame.xPos, yPos + frame.yPos, style);
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
