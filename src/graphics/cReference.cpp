#include "graphics/cReference.h"

#include "core/DrawingLayer.h"
#include "document/XmlItems.h"
#include "document/cDocument.h"
#include "kalder/Enums.h"

namespace kalder {

cReference::cReference() : cElement(ekReference) {}

cReference::cReference(const cReference& other)
    : cElement(other), PageKey(other.PageKey), FrameKey(other.FrameKey), ElementKey(other.ElementKey) {}

void cReference::Preview(cFrame& frame, DrawingLayer& layer) {
    if (!layer.document || drawing_) return;
    auto page = layer.document->pages().Item(std::string_view(PageKey));
    auto source = page ? page->Frames().Item(std::string_view(FrameKey)) : nullptr;
    auto element = source ? source->Elements().Item(std::string_view(ElementKey)) : nullptr;
    if (!element) return;
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(drawing_);
    element->Preview(frame, layer);
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
