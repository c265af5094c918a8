#include "graphics/cPageNo.h"

#include "core/DrawingLayer.h"
#include "core/TextMeasurer.h"
#include "document/XmlItems.h"
#include "document/cDocument.h"
#include "graphics/PageNumberText.h"
#include "kalder/Variant.h"

namespace kalder {

cPageNo::cPageNo() : cElement(ekPageNo) {}

std::string cPageNo::text(const cDocument& doc) const {
    auto page = doc.pages().Item(std::string_view(PageKey));
    return page ? expandPageNumber(Definition, pageNumberText(doc, *page, MaxPages)) : std::string();
}

void cPageNo::Preview(cFrame& frame, DrawingLayer& layer) {
    auto page = layer.document ? layer.document->pages().Item(std::string_view(PageKey)) : nullptr;
    if (!page) return;
    const std::string shown = expandPageNumber(Definition, pageNumberText(*layer.document, *page, MaxPages));
    const cStyle& style = frame.CurrentStyle;
    std::int32_t x = xPos + frame.xPos;
    if (Align == prALRight || Align == prALCenter) {
        const double width = TextMeasurer::width(style, shown);
        x = roundToLong(Align == prALRight ? x - width : x - width / 2);
    }
    layer.PutText(shown, x, yPos + frame.yPos, style);
}

std::shared_ptr<cElement> cPageNo::Copy() const { return std::make_shared<cPageNo>(*this); }

void cPageNo::saveItems(ItemWriter& out) const {
    out.item("PageKey", PageKey);
    out.item("Definition", Definition);
    out.item("xPos", xPos);
    out.item("yPos", yPos);
    out.item("Align", Align);
    // Written only when set, so that an ordinary page number keeps the five items other
    // readers of the format know, and "n/total" survives a save and load all the same.
    if (MaxPages) out.item("MaxPages", MaxPages);
}

void cPageNo::loadItems(const ItemReader& in) {
    PageKey = in.String("PageKey");
    Definition = in.String("Definition");
    xPos = in.Long("xPos");
    yPos = in.Long("yPos");
    Align = in.Long("Align");
    MaxPages = in.Boolean("MaxPages");
}

}  // namespace kalder
