// Style-change element: a change of the running attributes at this point of the element
// stream. Drawing (on every output) makes its style the running style of the render.
#pragma once

#include "document/cElement.h"
#include "document/cFrame.h"
#include "core/cStyle.h"

namespace kalder {

class cChangeStyle final : public cElement {
public:
    cChangeStyle();
    explicit cChangeStyle(const cStyle& style);

    const cStyle& Style() const noexcept { return style_; }
    void Style(const cStyle& style) { style_ = style; }

    void Preview(const cFrame& frame, RenderContext& ctx) const override;
    std::shared_ptr<cElement> Copy() const override;
    // After loading, the frame's running attributes are those of the last change, as they
    // were while the document was built.
    void linkAfterLoad(cFrame& frame) override { frame.CurrentStyle = style_; }

protected:
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;

private:
    // The items in their order, for saveItems (Self const) and loadItems.
    template <class Self, class Io>
    static void fields(Self& self, Io io);

    cStyle style_;
};

}  // namespace kalder
