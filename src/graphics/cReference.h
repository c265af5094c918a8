// Reference: draws another element, found by page, frame and element key in the document the
// drawing layer carries, as if it stood in the reference's own frame (its coordinates count
// from this frame, and it reads and may change this frame's running style). A path that
// leads nowhere draws nothing. References write nothing into exports.
#pragma once

#include <string>

#include "document/cElement.h"

namespace kalder {

class cReference final : public cElement {
public:
    cReference();
    cReference(const cReference& other);

    std::string PageKey;
    std::string FrameKey;
    std::string ElementKey;

    void Preview(cFrame& frame, DrawingLayer& layer) override;
    std::shared_ptr<cElement> Copy() const override;

protected:
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;

private:
    // The items in their order, for saveItems (Self const) and loadItems.
    template <class Self, class Io>
    static void fields(Self& self, Io io);

    // Set while the referenced element draws, so that a reference reached again through a
    // chain of references (or naming itself) draws nothing instead of recursing forever.
    bool drawing_ = false;
};

}  // namespace kalder
