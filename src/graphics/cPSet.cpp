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

void cPSet::saveItems(ItemWriter& out) const {
    out.item("X1", x1);
    out.item("Y1", y1);
}

void cPSet::loadItems(const ItemReader& in) {
    x1 = in.Long("X1");
    y1 = in.Long("Y1");
}

void cPSet::ExportPDF(cFrame& frame, PdfExport& pdf) {
    const std::int32_t x = pageX(frame, x1, "cPSet"), y = pageY(frame, y1, "cPSet");
    cStyle dot = frame.CurrentStyle;
    dot.LineStyle.Color = dot.ForeColor;
    dot.LineStyle.LineWidth = std::max(dot.LineStyle.LineWidth, 15);  // a point is at least a screen pixel wide
    pdf.line(x, y, x + 1, y, dot);
}

}  // namespace kalder
