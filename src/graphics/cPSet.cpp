#include "graphics/cPSet.h"
#include "document/PdfExport.h"

#include "core/DrawingLayer.h"
#include "document/XmlItems.h"
#include "graphics/FramePosition.h"
#include "kalder/Enums.h"

namespace kalder {

cPSet::cPSet() : cElement(ekPSet) {}

void cPSet::Preview(cFrame& frame, DrawingLayer& layer) {
    layer.PutPoint(pageX(frame, x1, "cPSet"), pageY(frame, y1, "cPSet"), frame.CurrentStyle);
}

std::shared_ptr<cElement> cPSet::Copy() const { return std::make_shared<cPSet>(*this); }

template <class Self, class Io>
void cPSet::fields(Self& self, Io io) {
    io.item("X1", self.x1);
    io.item("Y1", self.y1);
}

void cPSet::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cPSet::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }

void cPSet::ExportPDF(cFrame& frame, PdfExport& pdf) {
    const std::int32_t x = pageX(frame, x1, "cPSet"), y = pageY(frame, y1, "cPSet");
    cStyle dot = frame.CurrentStyle;
    dot.LineStyle.Color = dot.ForeColor;
    dot.LineStyle.LineWidth = std::max(dot.LineStyle.LineWidth, 15);  // a point is at least a screen pixel wide
    pdf.line(x, y, x + 1, y, dot);
}

}  // namespace kalder
