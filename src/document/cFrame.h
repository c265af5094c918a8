// A frame: a rectangle on a page (page coordinates, twips) holding elements in drawing order.
// `Style` is the frame's starting attributes; `CurrentStyle` the running ones, changed by the
// builder while the document is built and by style-change elements while it is drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "document/ObjectCollection.h"
#include "document/cElement.h"
#include "kalder/cLineStyle.h"
#include "core/cStyle.h"

namespace kalder {

class ItemWriter;
class ItemReader;
struct RenderContext;

class cElements : public ObjectCollection<cElement> {
public:
    // A bare element carrying only a type, added under `key`.
    ElementPtr Add(std::string_view key, std::int32_t elementType);
    // Sets the element's key and appends it; a key already used fails with error 457.
    void AddElement(const ElementPtr& element, std::string_view key);
};

// Standard frame types.
enum FrameTypes : std::int32_t {
    kFrameWholePage = 0,  // also every frame a caller adds by name
    kFrameInside = 1,
    kFrameHeader = 2,
    kFrameFooter = 3,
    kFrameUnderlay = 4,  // drawn first, under everything else
};

class cFrame {
public:
    std::string Key;
    std::int32_t xPos = 0;
    std::int32_t yPos = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    cLineStyle Border;
    bool ShowBorder = false;
    cStyle Style;
    cStyle CurrentStyle;
    std::int32_t Rotation = 0;
    std::int32_t FrameType = 0;

    cElements& Elements() noexcept { return elements_; }
    const cElements& Elements() const noexcept { return elements_; }

    // Gives the frame its starting attributes and makes them the running ones too.
    void setStyle(const cStyle& style);

    // "El " followed by the element count + 1: keys restart at "El 1" after a clear.
    std::string nextElementKey() const;
    // Adds an element under the next generated key and returns the key.
    std::string addElement(const ElementPtr& element);
    // Adds an element under `prefix` followed by the new element count (barcodes use
    // "oElement "); returns the key.
    std::string addElement(const ElementPtr& element, std::string_view prefix);
    // Records a change of attributes in the element stream.
    std::string AddChangeStyle(const cStyle& style);
    std::string AddChangeStyle(std::shared_ptr<const cStyle> style);

    // Draws the elements in order from the frame's starting attributes (the context's
    // running style), then the border when it is shown. A failing element is left undrawn
    // and drawing goes on.
    void Preview(RenderContext& ctx) const;

    // Same key, rectangle, border, styles and type; the elements are copied (each element's
    // Copy) unless `withElements` is false.
    std::shared_ptr<cFrame> Copy(bool withElements = true) const;
    void Clear() noexcept { elements_.Clear(); }

    // XML form: <Frame Key=".."> FrameType xPos yPos Width Height <Border><LineStyle/></Border>
    // ShowBorder Rotation <Style/> <Elements> <Element/>... </Elements></Frame>
    void writeXml(ItemWriter& out) const;
    // Reads the frame's own items (not its elements).
    void loadXml(const ItemReader& in);

private:
    // The frame's own items, in order, for writeXml (Self const) and loadXml.
    template <class Self, class Io>
    static void fields(Self& self, Io io);

    cElements elements_;
};

class cFrames : public ObjectCollection<cFrame> {
public:
    // Creates a frame of that type under `name`; nothing when a frame of type 0..4 of that
    // type is already there. A type-4 frame goes before all others, any other at the end.
    std::shared_ptr<cFrame> Add(std::string_view name, std::int32_t frameType);
    // Appends the frame under `key` and sets its key; a key already used adds nothing.
    bool AddFrame(const std::shared_ptr<cFrame>& frame, std::string_view key);
};

}  // namespace kalder
