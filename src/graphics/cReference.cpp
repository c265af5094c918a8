#include "graphics/cReference.h"

#include "document/RenderContext.h"
#include "core/Limits.h"
#include "document/XmlItems.h"
#include "document/cDocument.h"
#include "kalder/Enums.h"

namespace kalder {

cReference::cReference() : cElement(ekReference) {}

void cReference::Preview(const cFrame& frame, RenderContext& ctx) const {
    if (!ctx.document || !ctx.canvas.rules().drawsReferences) return;
    if (ctx.referenceDepth >= limits::kReferenceDepth) return;
    auto page = ctx.document->pages().Item(std::string_view(PageKey));
    auto source = page ? page->Frames().Item(std::string_view(FrameKey)) : nullptr;
    auto element = source ? source->Elements().Item(std::string_view(ElementKey)) : nullptr;
    if (!element) return;
    ++ctx.referenceDepth;
    try {
        element->Preview(frame, ctx);
    } catch (...) {
        --ctx.referenceDepth;
        throw;
    }
    --ctx.referenceDepth;
}

std::shared_ptr<cElement> cReference::Copy() const { return std::make_shared<cReference>(*this); }

template <class Self, class Io>
void cReference::fields(Self& self, Io io) {
    io.item("PageKey", self.PageKey);
    io.item("FrameKey", self.FrameKey);
    io.item("ElementKey", self.ElementKey);
}

void cReference::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cReference::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }

}  // namespace kalder
