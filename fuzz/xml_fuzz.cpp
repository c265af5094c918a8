// libFuzzer target for the XML document loader: whatever the bytes, loading either succeeds
// or raises -98 "Can not load the XML file"; in both cases the document then held (what was
// read up to a failure stays loaded) saves as well-formed UTF-8, the text and the DOM writers
// give the same tree, and the saved text loads again and saves to the same bytes.
// Seeds: fuzz/corpus/xml/.
#include <pugixml.hpp>
#include <sstream>
#include <string>

#include "FuzzSupport.h"
#include "document/DocumentXml.h"
#include "document/XmlItems.h"
#include "kalder/Preview.h"

namespace {

using kalder::fuzz::check;

std::string compact(const pugi::xml_node& node) {
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
}

// A tree as the loader sees it: printed and parsed again, so that an empty text node and no
// text node read alike.
std::string reparsed(const pugi::xml_node& node) {
    const std::string text = compact(node);
    pugi::xml_document dom;
    dom.load_buffer(text.data(), text.size(), kalder::kXmlParseOptions, pugi::encoding_utf8);
    return compact(dom.document_element());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kalder::fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) return 0;
    kalder::Preview first;
    try {
        first.LoadXML(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const kalder::AutomationError& e) {
        check(e.number() == -98, "a load fails with -98");
    }

    const std::string saved = first.SaveXMLString();
    check(kalder::fuzz::isUtf8(saved), "the saved text is UTF-8");
    pugi::xml_document text;
    check(text.load_buffer(saved.data(), saved.size(), kalder::kXmlParseOptions, pugi::encoding_utf8),
          "the saved text is well-formed");
    pugi::xml_document dom;
    kalder::saveDocumentXml(first.document(), dom);
    check(reparsed(dom.document_element()) == compact(text.document_element()), "both writers give one tree");

    kalder::Preview second;
    try {
        second.LoadXML(saved);
    } catch (const kalder::AutomationError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        check(false, "a saved document loads again");
    }
    check(second.SaveXMLString() == saved, "a saved document saves again unchanged");
    return 0;
}
