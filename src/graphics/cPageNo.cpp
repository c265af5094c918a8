#include "graphics/cPageNo.h"

#include "document/RenderContext.h"
#include "core/TextMeasurer.h"
#include "document/XmlItems.h"
#include "document/cDocument.h"
#include "graphics/FramePosition.h"
#include "document/PageNumberText.h"
#include "kalder/Variant.h"

namespace kalder {

namespace {
bool holds(const cPage& page, const cFrame& frame) {
    for (const auto& f : page.Frames())
        if (f.get() == &frame) return true;
    return false;
}
}  // namespace

cPageNo::cPageNo() : cElement(ekPageNo) {}

std::shared_ptr<cPage> cPageNo::pageShowing(const cDocument& doc, const cFrame& frame) const {
    auto own = doc.pages().Item(std::string_view(PageKey));
    if (own && holds(*own, frame)) return own;  // the usual case, found without a search
    for (const auto& page : doc.pages())
        if (holds(*page, frame)) return page;
    return own;
}

void cPageNo::Preview(const cFrame& frame, RenderContext& ctx) const {
    if (!ctx.document) return;
    // The page being drawn; a frame drawn on its own finds its page.
    std::shared_ptr<cPage> found;
    const cPage* page = ctx.page;
    if (!page) page = (found = pageShowing(*ctx.document, frame)).get();
    if (!page) return;
    const std::string shown = expandPageNumber(Definition, pageNumberText(*ctx.document, *page, MaxPages));
    const cStyle& style = ctx.style;
    std::int32_t x = pageX(frame, xPos, "cPageNo");
    if (Align == prALRight || Align == prALCenter) {
        const double width = TextMeasurer::width(style, shown);
        x = roundToLong(Align == prALRight ? x - width : x - width / 2);
    }
    ctx.canvas.PutText(shown, x, pageY(frame, yPos, "cPageNo"), style);
}

std::shared_ptr<cElement> cPageNo::Copy() const { return std::make_shared<cPageNo>(*this); }

template <class Self, class Io>
void cPageNo::fields(Self& self, Io io) {
    io.item("PageKey", self.PageKey);
    io.item("Definition", self.Definition);
    io.item("xPos", self.xPos);
    io.item("yPos", self.yPos);
    io.item("Align", self.Align);
    // Written only when set, so that an ordinary page number keeps the five items other
    // readers of the format know, and "n/total" survives a save and load all the same.
    io.itemIfSet("MaxPages", self.MaxPages);
}

void cPageNo::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cPageNo::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }


}  // namespace kalder
