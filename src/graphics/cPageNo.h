// Page number: a text whose "??" becomes the number of the page that holds the element.
//
// The number is worked out when the page is drawn, from the document the drawing layer
// carries (numbering type and logical number of the page named by PageKey, and the page count
// for MaxPages), so pages added, deleted or renumbered later are shown right. Placed like
// graphic text by its measured width in the frame's running style; without a document, or
// when the page is not in it, nothing is drawn.
#pragma once

#include <cstdint>
#include <string>

#include "document/cElement.h"
#include "kalder/Enums.h"

namespace kalder {

class cDocument;

class cPageNo final : public cElement {
public:
    cPageNo();

    std::string PageKey;
    std::string Definition;         // "??" marks where the number goes
    std::int32_t Align = prALLeft;  // eAlignType
    std::int32_t xPos = 0;
    std::int32_t yPos = 0;
    bool MaxPages = false;          // "3/10" instead of "3"

    // The text as drawn in `doc`; "" when the page is not in it.
    std::string text(const cDocument& doc) const;

    void Preview(cFrame& frame, DrawingLayer& layer) override;
    std::shared_ptr<cElement> Copy() const override;

protected:
    // PageKey Definition xPos yPos Align, then MaxPages when it is set.
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;
};

}  // namespace kalder
