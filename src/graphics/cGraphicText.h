// Graphic text: one line of text at a point of its frame, the element AddTextAt makes.
//
// Drawn in a copy of the frame's running style. A style with a rotation draws the text
// turned about its top-left point and ignores the alignment; otherwise the alignment places
// the text by its measured width: left and justify start at xPos, right ends there, centre
// is centred on it. On the screen, the element the find dialog matched last is drawn in red.
#pragma once

#include <cstdint>
#include <string>

#include "document/cElement.h"
#include "kalder/Enums.h"

namespace kalder {

class cGraphicText final : public cElement {
public:
    cGraphicText();

    std::string Text;
    std::int32_t Charset = 0;
    std::int32_t Align = prALLeft;  // eAlignType
    std::int32_t xPos = 0;          // twips from the frame's left edge
    std::int32_t yPos = 0;          // twips from the frame's top edge: the top of the text
    std::int32_t AutoStep = prASLine;  // eAutoStep the line was added with

    void Preview(const cFrame& frame, RenderContext& ctx) const override;
    void writeText(TextSink& out) const override;
    std::shared_ptr<cElement> Copy() const override;
    // Lines of text are what the find dialog searches.
    const std::string* searchText() const override { return &Text; }

protected:
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;

private:
    // The items in their order, for saveItems (Self const) and loadItems.
    template <class Self, class Io>
    static void fields(Self& self, Io io);
};

}  // namespace kalder
