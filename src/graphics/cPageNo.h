// Page number: a text whose "??" becomes the number of the page that shows the element.
//
// The number is worked out when the page is drawn, from the document the drawing layer
// carries, so pages added, deleted or renumbered later are shown right. The page is the one
// whose frame is being drawn, so a page number that travelled with a copied header (page
// templates, automatic page steps) or is drawn through a reference shows the number of the
// page it appears on; PageKey (the page it was added to) names the page when the frame is on
// no page of the document. Placed by its measured width in the frame's running style, like
// graphic text; without a document, or without a page to number, nothing is drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "document/cElement.h"
#include "kalder/Enums.h"

namespace kalder {

class cDocument;
class cPage;

class cPageNo final : public cElement {
public:
    cPageNo();

    std::string PageKey;
    std::string Definition;         // "??" marks where the number goes
    std::int32_t Align = prALLeft;  // eAlignType
    std::int32_t xPos = 0;
    std::int32_t yPos = 0;
    bool MaxPages = false;          // "3/10" instead of "3"

    // The page numbered when the element is drawn in `frame`; nullptr when there is none.
    std::shared_ptr<cPage> pageShowing(const cDocument& doc, const cFrame& frame) const;

    void Preview(const cFrame& frame, RenderContext& ctx) const override;
    std::shared_ptr<cElement> Copy() const override;

protected:
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;

private:
    // The items in their order, for saveItems (Self const) and loadItems.
    template <class Self, class Io>
    static void fields(Self& self, Io io);
};

}  // namespace kalder
