// Paragraph element: marked-up text laid out in a rectangle of its frame, wrapped, aligned or
// justified, with tabs, indents and leading, down to the bottom of the rectangle. What does
// not fit is handed back behind a prefix of tags that restores the formatting, so that the
// caller can pour it into the next frame or page.
//
// The element keeps its laid-out lines for drawing; they are not saved. Loading lays the text
// out again with the running style of its frame, and the PDF export lays it out again with the
// page being written (for page numbers). `Text` keeps the part of the given text that decided
// the layout (the placed text and the look-ahead that ended it), not the unplaced rest, so a
// paragraph poured over many pages does not hold every page's rest.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/cStyle.h"
#include "document/cElement.h"
#include "richtext/PageNumbering.h"
#include "richtext/ParaFlow.h"
#include "richtext/cTextLine.h"

namespace kalder {

class cParaText final : public cElement {
public:
    cParaText();

    std::string Text;
    std::int32_t xPos = 0;    // frame twips
    std::int32_t yPos = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool AutoPara = false;    // a blank line in the text gives an empty line
    cTextLines TextLines;
    std::int32_t NextY = 0;   // frame y below the last placed line

    // Lays `text` out in the element's rectangle from `style`, keeps the lines, NextY and the
    // text they came from; returns what is left of `text` (nothing when all of it was placed).
    // `pages` gives "pg" tags their page.
    ParaRest FlowParaText(const cStyle& style, std::string_view text, const PageNumbering& pages = {});

    void Preview(const cFrame& frame, RenderContext& ctx) const override;
    // The text as written, tags included (the text file takes it; HTML leaves it out).
    void writeText(TextSink& out) const override;
    // Everything, the laid-out lines included, so a copy on a template page draws at once.
    std::shared_ptr<cElement> Copy() const override;
    void linkAfterLoad(cFrame& frame) override;

protected:
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;

private:
    // The items in their order, for saveItems (Self const) and loadItems.
    template <class Self, class Io>
    static void fields(Self& self, Io io);
};

}  // namespace kalder
