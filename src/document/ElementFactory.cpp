#include "document/ElementFactory.h"

#include "document/cOpaqueElement.h"
#include "kalder/AutomationError.h"

namespace kalder {

const ElementFactory& ElementFactory::instance() {
    static const ElementFactory factory = [] {
        ElementFactory f;
        registerElementKinds(f);
        return f;
    }();
    return factory;
}

bool ElementFactory::has(std::int32_t kind) const {
    return kind >= kFirstKind && kind <= kLastKind && static_cast<bool>(creators_[static_cast<std::size_t>(kind)]);
}

void ElementFactory::add(std::int32_t kind, Creator creator) {
    if (kind >= kFirstKind && kind <= kLastKind) creators_[static_cast<std::size_t>(kind)] = std::move(creator);
}

ElementPtr ElementFactory::create(std::int32_t kind) const {
    if (kind < kFirstKind || kind > kLastKind) throw AutomationError(-69, "Kalder", "Unknown element");
    if (const Creator& c = creators_[static_cast<std::size_t>(kind)]) return c();
    return std::make_shared<cOpaqueElement>(kind);
}

}  // namespace kalder
