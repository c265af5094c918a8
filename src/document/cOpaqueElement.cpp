#include "document/cOpaqueElement.h"

#include "document/XmlItems.h"

namespace kalder {

std::shared_ptr<cElement> cOpaqueElement::Copy() const { return std::make_shared<cOpaqueElement>(*this); }

void cOpaqueElement::saveItems(ItemWriter& out) const {
    // Each child as it was read, attributes and text included, whatever its shape.
    if (!items_) return;
    for (pugi::xml_node child : items_->document_element().children())
        if (child.type() == pugi::node_element) out.copy(child);
}

void cOpaqueElement::loadItems(const ItemReader& in) {
    items_ = std::make_shared<pugi::xml_document>();
    items_->append_copy(in.node());
}

}  // namespace kalder
