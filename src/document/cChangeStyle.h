// Style-change element: a change of the running attributes at this point of the element
// stream. Drawing and the RTF and PDF exports make its style the frame's running style;
// HTML and text exports ignore it.
#pragma once

#include "document/cElement.h"
#include "core/cStyle.h"

namespace kalder {

class cChangeStyle final : public cElement {
public:
    cChangeStyle();
    explicit cChangeStyle(const cStyle& style);

    const cStyle& Style() const noexcept { return style_; }
    void Style(const cStyle& style) { style_ = style; }

    void Preview(cFrame& frame, DrawingLayer& layer) override;
    void ExportRTF(cFrame& frame, RtfExport& out) override;
    void ExportPDF(cFrame& frame, PdfExport& out) override;
    std::shared_ptr<cElement> Copy() const override;
    // After loading, the frame's running attributes are those of the last change, as they
    // were while the document was built.
    void linkAfterLoad(cFrame& frame) override { applyTo(frame); }

protected:
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;

private:
    // The items in their order, for saveItems (Self const) and loadItems.
    template <class Self, class Io>
    static void fields(Self& self, Io io);

    void applyTo(cFrame& frame) const;
    cStyle style_;
};

}  // namespace kalder
