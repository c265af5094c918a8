#include "document/cChangeStyle.h"

#include "document/StyleXml.h"
#include "document/cFrame.h"
#include "kalder/Enums.h"

namespace kalder {

cChangeStyle::cChangeStyle() : cElement(ekChangeStyle) {}
cChangeStyle::cChangeStyle(const cStyle& style) : cElement(ekChangeStyle), style_(style) {}

void cChangeStyle::Preview(cFrame& frame, DrawingLayer&) { applyTo(frame); }
void cChangeStyle::ExportRTF(cFrame& frame, RtfExport&) { applyTo(frame); }
void cChangeStyle::ExportPDF(cFrame& frame, PdfExport&) { applyTo(frame); }

void cChangeStyle::applyTo(cFrame& frame) const { frame.CurrentStyle = style_; }

std::shared_ptr<cElement> cChangeStyle::Copy() const { return std::make_shared<cChangeStyle>(*this); }

template <class Self, class Io>
void cChangeStyle::fields(Self& self, Io io) {
    io.record("Style", self.style_, styleFields);
}

void cChangeStyle::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cChangeStyle::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }

}  // namespace kalder
