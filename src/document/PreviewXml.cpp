// The XML document format family of Preview: saving to a file or a string, loading from a
// DOM, a string or a file.
#include "kalder/Preview.h"

#include <filesystem>
#include <pugixml.hpp>

#include "core/AtomicFile.h"
#include "document/DocumentXml.h"
#include "document/XmlItems.h"
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

// Well-formed UTF-8: no stray or missing continuation byte, no overlong form, no surrogate,
// nothing beyond U+10FFFF.
bool isUtf8(const char* s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s);
    while (*p) {
        const unsigned c = *p++;
        if (c < 0x80) continue;
        const int more = c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : -1;
        if (more < 0) return false;
        // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
        const unsigned lo = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
        const unsigned hi = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
        if (*p < lo || *p > hi) return false;
        for (int k = 0; k < more; ++k, ++p)
            if ((*p & 0xC0) != 0x80) return false;
    }
    return true;
}

// pugixml keeps the bytes it reads as they are; a document that is not UTF-8 is no XML
// document, and what was loaded from it would be saved as none either.
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

// Loads into a new document that replaces the current one whether or not the load completes,
// so that what was read before a failure stays loaded, as documented. A document that is not
// UTF-8 is refused before anything is replaced.
void loadInto(std::unique_ptr<cDocument>& doc, const pugi::xml_document& dom) {
    requireUtf8(dom);
    auto fresh = std::make_unique<cDocument>();
    try {
        loadDocumentXml(*fresh, dom.document_element());
    } catch (const AutomationError& e) {
        doc = std::move(fresh);
        if (e.number() == -98) cannotLoad(e.description());
        cannotLoad(e.description().empty() ? standardErrorText(e.number()) : e.description());
    } catch (const std::exception& e) {
        doc = std::move(fresh);
        cannotLoad(e.what());
    }
    doc = std::move(fresh);
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

void Preview::LoadXML(const pugi::xml_document& xml) { loadInto(doc_, xml); }

void Preview::LoadXML(const std::string& xml) {
    pugi::xml_document dom;
    pugi::xml_parse_result res = dom.load_buffer(xml.data(), xml.size(), kXmlParseOptions, pugi::encoding_utf8);
    if (!res) cannotLoad(std::string(res.description()) + " at " + describeOffset(xml.data(), xml.size(), res.offset));
    loadInto(doc_, dom);
}

void Preview::LoadXMLFromFile(const std::string& Filename) {
    if (Filename.empty()) throw AutomationError(-69, "Kalder", "The filename is missing");
    // A folder opens like a file on Linux and then fails to read with a misleading "out of
    // memory": name it for what it is.
    std::error_code ec;
    if (std::filesystem::is_directory(Filename, ec)) cannotLoad(Filename + ": is a folder, not a file");
    pugi::xml_document dom;
    pugi::xml_parse_result res = dom.load_file(Filename.c_str(), kXmlParseOptions, pugi::encoding_utf8);
    if (res.status == pugi::status_file_not_found || res.status == pugi::status_io_error)
        cannotLoad(Filename + ": " + res.description());
    if (!res) {
        // Report the position in the file's text.
        std::string where = "offset " + std::to_string(res.offset);
        if (std::FILE* f = std::fopen(Filename.c_str(), "rb")) {
            std::string text;
            char buf[65536];
            std::size_t n;
            while (text.size() < static_cast<std::size_t>(res.offset) && (n = std::fread(buf, 1, sizeof buf, f)) > 0)
                text.append(buf, n);
            std::fclose(f);
            where = describeOffset(text.data(), text.size(), res.offset);
        }
        cannotLoad(Filename + ": " + res.description() + " at " + where);
    }
    loadInto(doc_, dom);
}

}  // namespace kalder
