#include "graphics/cReference.h"

#include <unordered_set>
#include <vector>

#include "document/RenderContext.h"
#include "document/XmlItems.h"
#include "document/cDocument.h"
#include "kalder/Enums.h"

namespace kalder {

cReference::cReference() : cElement(ekReference) {}

namespace {

// The element a reference names directly, or nullptr when the path leads nowhere.
const cElement* named(const cReference& reference, const cDocument& document) {
    auto page = document.pages().Item(std::string_view(reference.PageKey));
    auto frame = page ? page->Frames().Item(std::string_view(reference.FrameKey)) : nullptr;
    auto element = frame ? frame->Elements().Item(std::string_view(reference.ElementKey)) : nullptr;
    return element.get();
}

// Follows a chain of references (a reference to a reference to ...) without recursion, to the
// first element that is not a reference. A reference to a reference draws what that one draws,
// so the end of the chain is all that matters; every link walked is remembered in the context
// so that no chain is walked twice on a page, and a link met twice in one walk is a circle,
// which draws nothing.
const cElement* chainEnd(const cReference& start, RenderContext& ctx) {
    std::vector<const cElement*> walked;
    std::unordered_set<const cElement*> onPath;
    const cElement* link = &start;
    const cElement* end = nullptr;
    for (;;) {
        if (auto known = ctx.referenceTargets.find(link); known != ctx.referenceTargets.end()) {
            end = known->second;
            break;
        }
        const auto* reference = dynamic_cast<const cReference*>(link);
        if (!reference) {
            end = link;
            break;
        }
        if (!onPath.insert(link).second) break;  // round in a circle
        walked.push_back(link);
        link = named(*reference, *ctx.document);
        if (!link) break;
    }
    for (const cElement* w : walked) ctx.referenceTargets[w] = end;
    return end;
}

}  // namespace

void cReference::Preview(const cFrame& frame, RenderContext& ctx) const {
    if (!ctx.document || !ctx.canvas.rules().drawsReferences) return;
    if (const cElement* element = chainEnd(*this, ctx)) element->Preview(frame, ctx);
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
