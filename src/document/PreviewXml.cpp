// The XML document format family of Preview: saving to a file or a string, loading from a
// DOM, a string or a file.
#include "kalder/Preview.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>

#include "core/AtomicFile.h"
#include "core/Limits.h"
#include "document/DocumentXml.h"
#include "document/XmlItems.h"
#include "document/XmlText.h"
#include "document/cDocument.h"

namespace kalder {

namespace {

class SinkWriter final : public pugi::xml_writer {
public:
    explicit SinkWriter(AtomicFile& file) : file_(file) {}
    void write(const void* data, size_t size) override { file_.write(data, size); }

private:
    AtomicFile& file_;
};

[[noreturn]] void cannotLoad(const std::string& why) {
    throw AutomationError(-98, "Kalder", "Can not load the XML file : " + why);
}

// pugixml keeps the bytes it reads as they are; a document that is not UTF-8 is no XML
// document, and what was loaded from it would be saved as none either.
// A DOM handed over by the host was parsed elsewhere: its text is checked here (a document
// loaded from text is checked before it is parsed).
void requireUtf8(const pugi::xml_document& dom) {
    const pugi::xml_node bad = dom.find_node([](pugi::xml_node n) {
        if (!isUtf8(n.name()) || !isUtf8(n.value())) return true;
        for (pugi::xml_attribute a : n.attributes())
            if (!isUtf8(a.name()) || !isUtf8(a.value())) return true;
        return false;
    });
    if (!bad) return;
    const std::ptrdiff_t at = bad.offset_debug();
    cannotLoad("text that is not UTF-8" + (at >= 0 ? " at offset " + std::to_string(at) : std::string()));
}

// Where a document's text came from, for messages: "<file>: " or nothing, and the text itself
// when there is one, so that a failure can be placed by line and column.
struct Source {
    std::string label;
    std::string_view text;

    std::string at(std::ptrdiff_t offset) const {
        return text.empty() || offset < 0 ? "" : " at " + describeOffset(text.data(), text.size(), offset);
    }
};

// Loads into a new document that replaces the current one whether or not the load completes,
// so that what was read before a failure stays loaded, as documented.
void loadInto(std::unique_ptr<cDocument>& doc, const pugi::xml_document& dom, const Source& source) {
    if (pugi::xml_node deep = nodeBeyondDepth(dom, limits::kXmlDepth))
        cannotLoad(source.label + "<" + deep.name() + "> is nested deeper than " + std::to_string(limits::kXmlDepth) +
                   " levels" + source.at(deep.offset_debug()));
    auto fresh = std::make_unique<cDocument>();
    try {
        loadDocumentXml(*fresh, dom.document_element());
    } catch (const XmlLoadError& e) {
        doc = std::move(fresh);
        cannotLoad(source.label + e.description() + source.at(e.offset()));
    } catch (const AutomationError& e) {
        doc = std::move(fresh);
        if (e.number() == -98) cannotLoad(source.label + e.description());
        cannotLoad(source.label + (e.description().empty() ? standardErrorText(e.number()) : e.description()));
    } catch (const std::exception& e) {
        doc = std::move(fresh);
        cannotLoad(source.label + e.what());
    }
    doc = std::move(fresh);
}

void loadText(std::unique_ptr<cDocument>& doc, std::string_view text, const Source& source) {
    if (const BadCharacter bad = findBadCharacter(text); !bad.what.empty())
        cannotLoad(source.label + bad.what + source.at(static_cast<std::ptrdiff_t>(bad.offset)));
    pugi::xml_document dom;
    const pugi::xml_parse_result res = dom.load_buffer(text.data(), text.size(), kXmlParseOptions, pugi::encoding_utf8);
    if (!res) cannotLoad(source.label + res.description() + source.at(res.offset));
    loadInto(doc, dom, source);
}

}  // namespace

void Preview::SaveXML(const std::string& Filename) const {
    if (Filename.empty()) throw AutomationError(-69, "Kalder", "The filename is missing");
    pugi::xml_document dom;
    saveDocumentXml(*doc_, dom);
    AtomicFile file(Filename, "SaveXML");
    SinkWriter writer(file);
    dom.save(writer, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    file.commit();
}

std::string Preview::SaveXMLString() const { return documentXmlString(*doc_); }

void Preview::LoadXML(const pugi::xml_document& xml) {
    requireUtf8(xml);
    loadInto(doc_, xml, Source{});
}

void Preview::LoadXML(const std::string& xml) { loadText(doc_, xml, Source{"", xml}); }

void Preview::LoadXMLFromFile(const std::string& Filename) {
    if (Filename.empty()) throw AutomationError(-69, "Kalder", "The filename is missing");
    // A folder opens like a file on Linux and then fails to read with a misleading "out of
    // memory": name it for what it is.
    std::error_code ec;
    if (std::filesystem::is_directory(Filename, ec)) cannotLoad(Filename + ": is a folder, not a file");
    // The text is read whole and kept while the document loads, so that a failure anywhere
    // can be given as a line of the file.
    std::ifstream in(Filename, std::ios::binary);
    if (!in) cannotLoad(Filename + ": " + (errno == ENOENT ? "File was not found" : std::strerror(errno)));
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) cannotLoad(Filename + ": " + std::strerror(errno));
    loadText(doc_, text, Source{Filename + ": ", text});
}

}  // namespace kalder
