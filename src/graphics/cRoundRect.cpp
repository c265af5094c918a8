#include "graphics/cRoundRect.h"
#include "document/PdfExport.h"

#include "core/DrawingLayer.h"
#include "document/XmlItems.h"
#include "graphics/FramePosition.h"
#include "kalder/Enums.h"

namespace kalder {

cRoundRect::cRoundRect() : cElement(ekRoundRect) {}

void cRoundRect::Preview(cFrame& frame, DrawingLayer& layer) {
    layer.PutRoundRect(pageX(frame, x1, "cRoundRect"), pageY(frame, y1, "cRoundRect"), pageX(frame, x2, "cRoundRect"),
                       pageY(frame, y2, "cRoundRect"), Radius, frame.CurrentStyle);
}

std::shared_ptr<cElement> cRoundRect::Copy() const { return std::make_shared<cRoundRect>(*this); }

template <class Self, class Io>
void cRoundRect::fields(Self& self, Io io) {
    io.item("X1", self.x1);
    io.item("Y1", self.y1);
    io.item("X2", self.x2);
    io.item("Y2", self.y2);
    io.item("Radius", self.Radius);
}

void cRoundRect::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cRoundRect::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }

void cRoundRect::ExportPDF(cFrame& frame, PdfExport& pdf) {
    const cStyle& style = frame.CurrentStyle;
    pdf.roundRect(pageX(frame, x1, "cRoundRect"), pageY(frame, y1, "cRoundRect"), pageX(frame, x2, "cRoundRect"),
                  pageY(frame, y2, "cRoundRect"), Radius, style, style.FillStyle == vbFSSolid);
}

}  // namespace kalder
