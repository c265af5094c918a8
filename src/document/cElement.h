// cElement: the interface every element kind implements, and the empty element itself.
//
// Slots, in order: ElementType, Preview (draw on the surface given, reading and possibly
// changing the owning frame's running style), SaveXML (DOM), SaveXMLString (markup text),
// ExportHTML, ExportText, ExportRTF, ExportPDF (the exporters' contexts; RTF and PDF also get
// the frame so that style changes take effect), LoadXML, Copy, Key.
//
// A kind writes its XML form once, in saveItems(); the framing <Element Key=".." Type="..">
// and the DOM and string forms come from here. It reads its items in loadItems().
// Kinds are created by number through the ElementFactory, so the tree needs no kind's header.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <pugixml.hpp>

namespace kalder {

class cFrame;
class DrawingLayer;
class HtmlExport;
class TextExport;
class RtfExport;
class PdfExport;
class ItemWriter;
class ItemReader;

class cElement {
public:
    cElement() = default;
    explicit cElement(std::int32_t type) : type_(type) {}
    virtual ~cElement() = default;

    std::int32_t ElementType() const noexcept { return type_; }
    void ElementType(std::int32_t type) noexcept { type_ = type; }

    virtual void Preview(cFrame& frame, DrawingLayer& layer);
    void SaveXML(pugi::xml_node parent) const;
    void SaveXMLString(std::string& out) const;
    virtual void ExportHTML(HtmlExport& out);
    virtual void ExportText(TextExport& out);
    virtual void ExportRTF(cFrame& frame, RtfExport& out);
    virtual void ExportPDF(cFrame& frame, PdfExport& out);
    void LoadXML(pugi::xml_node node);
    virtual std::shared_ptr<cElement> Copy() const;

    const std::string& Key() const noexcept { return key_; }
    void Key(std::string key) { key_ = std::move(key); }

    // The whole XML form (framing and items) to any item writer.
    virtual void writeXml(ItemWriter& out) const;

    // Called by the loader once the element is in its frame, for kinds whose layout depends
    // on the frame (paragraphs re-link with the frame's running style and elements).
    virtual void linkAfterLoad(cFrame& frame);

protected:
    cElement(const cElement&) = default;
    cElement& operator=(const cElement&) = default;

    // The kind's own items, in their order.
    virtual void saveItems(ItemWriter& out) const;
    virtual void loadItems(const ItemReader& in);

private:
    std::int32_t type_ = -1;
    std::string key_;
};

using ElementPtr = std::shared_ptr<cElement>;

}  // namespace kalder
