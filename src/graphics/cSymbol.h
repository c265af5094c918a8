// Symbol element (kind 5): a character of a symbol font, or one of the internal form symbols
// "box", "radio" and "checkbox", centred on a point relative to the frame.
//
// SetName "internal" selects the internal set; any other SetName is the name of the font
// whose SymbolId text is printed at FontSize = Size (twips, which are twentieths of a point).
// Param is the state of an internal symbol: true draws it checked. An internal id outside the
// set raises error 5 "DrawSymbol" "Unknown symbol : <id>" when drawn.
//
// XML items: "SetName", "SymbolId", "Size", "xPos", "yPos", then "Param" (True) for a checked
// internal symbol.
#pragma once

#include <cstdint>
#include <string>

#include "document/cElement.h"
#include "kalder/Variant.h"

namespace kalder {

class cSymbol final : public cElement {
public:
    static constexpr const char* kInternalSet = "internal";

    cSymbol();

    std::string SetName;
    std::string SymbolId;
    std::int32_t Size = 0;
    Variant Param;
    std::int32_t xPos = 0;
    std::int32_t yPos = 0;

    // Whether `id` names a symbol of the internal set.
    static bool isInternalSymbol(const std::string& id);
    // Error 5 "DrawSymbol" "Unknown symbol : <id>".
    [[noreturn]] static void raiseUnknownSymbol(const std::string& id);

    void Preview(const cFrame& frame, RenderContext& ctx) const override;
    std::shared_ptr<cElement> Copy() const override;

protected:
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;

private:
    // The items in their order, for saveItems (Self const) and loadItems.
    template <class Self, class Io>
    static void fields(Self& self, Io io);

    bool checked() const;
};

}  // namespace kalder
