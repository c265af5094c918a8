#include "document/DocumentXml.h"

#include <algorithm>
#include <cstring>

#include "document/ElementFactory.h"
#include "document/StyleXml.h"
#include "document/XmlItems.h"
#include "document/cDocument.h"
#include "kalder/AutomationError.h"
#include "kalder/Variant.h"

namespace kalder {

void saveDocumentXml(const cDocument& doc, pugi::xml_document& dom) {
    pugi::xml_node decl = dom.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    DomItemWriter out(dom);
    doc.writeXml(out);
}

std::string documentXmlString(const cDocument& doc) {
    std::string text;
    StringItemWriter out(text);
    doc.writeXml(out);
    return text;
}

namespace {

std::int32_t elementType(const pugi::xml_node& node) {
    // The number in decimal; anything else is a type mismatch, like any number that is not one.
    const std::string type = node.attribute("Type").value();
    try {
        return Variant(type).toLong();
    } catch (const AutomationError& e) {
        throw XmlLoadError(e, "attribute Type (\"" + type.substr(0, 40) + "\")", node);
    }
}

// Runs the load of one object; a failure that does not say yet where it happened (a duplicate
// key, an unknown kind) is named by the object's node.
template <class Load>
void naming(pugi::xml_node node, Load load) {
    try {
        load();
    } catch (const XmlLoadError&) {
        throw;
    } catch (const AutomationError& e) {
        throw XmlLoadError(e, "", node);
    }
}

void loadFrame(cDocument& doc, cPage& page, pugi::xml_node frameNode) {
    auto frame = std::make_shared<cFrame>();
    naming(frameNode, [&] {
        frame->loadXml(ItemReader(frameNode));
        page.Frames().AddFrame(frame, frame->Key);
    });
    doc.CurrentFrame(frame->Key);
    const ElementFactory& factory = ElementFactory::instance();
    for (pugi::xml_node en : frameNode.child("Elements").children("Element")) {
        naming(en, [&] {
            ElementPtr element = factory.create(elementType(en));
            element->LoadXML(en);
            frame->Elements().AddElement(element, element->Key());
            element->linkAfterLoad(*frame);
        });
    }
}

}  // namespace

void loadDocumentXml(cDocument& doc, pugi::xml_node root) {
    doc.pages().Clear();
    if (!root) throw AutomationError(-98, "Kalder", "No document element");
    if (std::strcmp(root.name(), "Document") != 0)
        throw AutomationError(-98, "Kalder", std::string("Not a Kalder document: the root element is <") +
                                                 root.name() + ">");
    ItemReader in(root);
    doc.Style = loadStyle(in.child("Style"));

    doc.NamedStyles.clear();
    for (pugi::xml_node sn : root.child("NamedStyles").children("Style")) {
        naming(sn, [&] {
            cStyle s = loadStyle(ItemReader(sn));
            std::string key = s.Key;
            doc.NamedStyles.add(std::move(s), key);
        });
    }

    for (pugi::xml_node pn : root.child("Pages").children("Page")) {
        auto page = std::make_shared<cPage>();
        naming(pn, [&] {
            page->loadXml(ItemReader(pn));
            doc.pages().AddPage(page, page->Key);
        });
        doc.CurrentPage(page->Key);
        for (pugi::xml_node fn : pn.child("Frames").children("Frame")) loadFrame(doc, *page, fn);
    }

    // The loaded items follow the new document's own "CreationDate", so that it answers for
    // the loading day. A loaded pair equal to that one (saved the same day) is not repeated:
    // saving, loading and saving again gives the same file.
    const auto own = doc.DocInfo;
    for (pugi::xml_node dn : root.child("DocInfo").children("DocInfoItem")) {
        ItemReader item(dn);
        std::pair<std::string, std::string> pair(item.String("Name"), item.String("Value"));
        if (std::find(own.begin(), own.end(), pair) == own.end()) doc.DocInfo.push_back(std::move(pair));
    }

    doc.CurrentX = in.Long("CurrentX");
    doc.CurrentY = in.Long("CurrentY");
    doc.CurrentPage(in.String("CurrentPage"));
    doc.CurrentFrame(in.String("CurrentFrame"));
}

pugi::xml_node nodeBeyondDepth(pugi::xml_node root, int depth) {
    // pugixml walks a tree without recursion: the tree being checked may be as deep as anything.
    struct Walker : pugi::xml_tree_walker {
        int limit = 0;
        pugi::xml_node found;
        bool for_each(pugi::xml_node& n) override {
            if (n.type() != pugi::node_element || this->depth() + 1 <= limit) return true;
            found = n;
            return false;
        }
    } walker;
    walker.limit = depth;
    root.traverse(walker);
    return walker.found;
}

std::string describeOffset(const char* text, std::size_t size, std::ptrdiff_t offset) {
    std::size_t line = 1, column = 1;
    for (std::ptrdiff_t i = 0; i < offset && static_cast<std::size_t>(i) < size; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace kalder
