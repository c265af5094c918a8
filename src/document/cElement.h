// cElement: the interface every element kind implements, and the empty element itself.
//
// Slots, in order: ElementType, Preview (the element's one drawing routine, for every output:
// it draws through the canvas of the render context, reading and possibly changing the
// context's running style), writeText (what the HTML and text outputs receive; by default
// nothing), SaveXML (DOM), SaveXMLString (markup text), LoadXML, Copy, Key.
// Drawing never changes the element or its frame.
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
struct RenderContext;
class TextSink;
class ItemWriter;
class ItemReader;

class cElement {
public:
    cElement() = default;
    explicit cElement(std::int32_t type) : type_(type) {}
    virtual ~cElement() = default;

    std::int32_t ElementType() const noexcept { return type_; }
    void ElementType(std::int32_t type) noexcept { type_ = type; }

    // Draws the element of `frame` (which holds it, or holds the reference that draws it).
    virtual void Preview(const cFrame& frame, RenderContext& ctx) const;
    // Hands the element's text to the HTML and text outputs: lines of text, paragraphs and
    // style changes do; every other kind writes nothing there.
    virtual void writeText(TextSink& out) const;
    void SaveXML(pugi::xml_node parent) const;
    void SaveXMLString(std::string& out) const;
    void LoadXML(pugi::xml_node node);
    virtual std::shared_ptr<cElement> Copy() const;

    const std::string& Key() const noexcept { return key_; }
    void Key(std::string key) { key_ = std::move(key); }

    // The whole XML form (framing and items) to any item writer.
    virtual void writeXml(ItemWriter& out) const;

    // The text a reader would search the element for; nullptr for a kind without text.
    virtual const std::string* searchText() const { return nullptr; }

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
