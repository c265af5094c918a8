// The whole document as XML: writing it as a pugixml DOM or as text, and reading it back.
#pragma once

#include <string>

#include <pugixml.hpp>

namespace kalder {

class cDocument;

// Adds the XML declaration and the <Document> element to an empty DOM.
void saveDocumentXml(const cDocument& doc, pugi::xml_document& dom);
std::string documentXmlString(const cDocument& doc);

// Fills a new document from a <Document> element: its pages are discarded first, its own
// "CreationDate" item stays before the loaded information items. Throws the failure that
// stopped the load (AutomationError); what was read before it stays in `doc`.
void loadDocumentXml(cDocument& doc, pugi::xml_node root);

// The first element below `root` nested deeper than `depth` levels (root's children are at
// level 1), or an empty node.
pugi::xml_node nodeBeyondDepth(pugi::xml_node root, int depth);

// "line L, column C" of a byte offset in a text.
std::string describeOffset(const char* text, std::size_t size, std::ptrdiff_t offset);

}  // namespace kalder
