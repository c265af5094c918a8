// Style-change element: a change of the running attributes at this point of the element
// stream. Drawing (on every output) makes its style the running style of the render.
//
// The style is held shared and never changed in place: a report records the same few
// changes on every page, and the builder hands equal styles over as one object
// (cDocument::sharedStyle), so a change costs a pointer rather than a style record.
#pragma once

#include <memory>

#include "document/cElement.h"
#include "document/cFrame.h"
#include "core/cStyle.h"

namespace kalder {

class cChangeStyle final : public cElement {
public:
    cChangeStyle();
    explicit cChangeStyle(const cStyle& style);
    explicit cChangeStyle(std::shared_ptr<const cStyle> style);

    const cStyle& Style() const noexcept { return *style_; }
    void Style(const cStyle& style) { style_ = std::make_shared<const cStyle>(style); }

    void Preview(const cFrame& frame, RenderContext& ctx) const override;
    void writeText(TextSink& out) const override;
    std::shared_ptr<cElement> Copy() const override;
    // After loading, the frame's running attributes are those of the last change, as they
    // were while the document was built.
    void linkAfterLoad(cFrame& frame) override { frame.CurrentStyle = *style_; }

protected:
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;

private:
    std::shared_ptr<const cStyle> style_;  // never null
};

}  // namespace kalder
