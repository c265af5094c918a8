// Reference: draws another element, found by page, frame and element key in the document the
// drawing layer carries, as if it stood in the reference's own frame (its coordinates count
// from this frame, and it reads and may change the running style). A reference to a reference
// draws what that one draws, however long the chain; a path that leads nowhere, or a chain
// that comes back on itself, draws nothing.
// File formats leave references out (OutputRules::drawsReferences).
#pragma once

#include <string>

#include "document/cElement.h"

namespace kalder {

class cReference final : public cElement {
public:
    cReference();

    std::string PageKey;
    std::string FrameKey;
    std::string ElementKey;

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
