#include "document/cElement.h"

#include <string>

#include "document/XmlItems.h"

namespace kalder {

void cElement::Preview(const cFrame&, RenderContext&) const {}
void cElement::writeText(TextSink&) const {}
void cElement::saveItems(ItemWriter&) const {}
void cElement::linkAfterLoad(cFrame&) {}
void cElement::loadItems(const ItemReader&) {}

std::shared_ptr<cElement> cElement::Copy() const { return std::shared_ptr<cElement>(new cElement(*this)); }

void cElement::writeXml(ItemWriter& out) const {
    const std::string type = std::to_string(type_);
    out.open("Element", {{"Key", key_}, {"Type", type}});
    saveItems(out);
    out.close();
}

void cElement::SaveXML(pugi::xml_node parent) const {
    DomItemWriter w(parent);
    writeXml(w);
}

void cElement::SaveXMLString(std::string& out) const {
    StringItemWriter w(out);
    writeXml(w);
}

void cElement::LoadXML(pugi::xml_node node) {
    ItemReader in(node);
    key_ = in.attribute("Key");
    loadItems(in);
}

}  // namespace kalder
