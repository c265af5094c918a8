#include "document/cOpaqueElement.h"

#include "document/XmlItems.h"

namespace kalder {

namespace {
// Replays a stored subtree through an item writer, so both XML forms get it.
void replay(ItemWriter& out, pugi::xml_node node) {
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element) continue;
        bool leaf = true;
        for (pugi::xml_node g : child.children())
            if (g.type() == pugi::node_element) leaf = false;
        if (leaf && !child.first_attribute()) {
            out.item(child.name(), std::string_view(child.text().get()));
            continue;
        }
        out.open(child.name());
        replay(out, child);
        out.close();
    }
}
}  // namespace

std::shared_ptr<cElement> cOpaqueElement::Copy() const { return std::make_shared<cOpaqueElement>(*this); }

void cOpaqueElement::saveItems(ItemWriter& out) const {
    if (items_) replay(out, items_->document_element());
}

void cOpaqueElement::loadItems(const ItemReader& in) {
    items_ = std::make_shared<pugi::xml_document>();
    items_->append_copy(in.node());
}

}  // namespace kalder
