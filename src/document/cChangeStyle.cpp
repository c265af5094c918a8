#include "document/cChangeStyle.h"

#include "document/StyleXml.h"
#include "document/cFrame.h"
#include "kalder/Enums.h"

namespace kalder {

cChangeStyle::cChangeStyle() : cElement(ekChangeStyle), style_(std::make_shared<const cStyle>()) {}
cChangeStyle::cChangeStyle(const cStyle& style) : cElement(ekChangeStyle), style_(std::make_shared<const cStyle>(style)) {}
cChangeStyle::cChangeStyle(std::shared_ptr<const cStyle> style)
    : cElement(ekChangeStyle), style_(style ? std::move(style) : std::make_shared<const cStyle>()) {}

void cChangeStyle::Preview(cFrame& frame, DrawingLayer&) { applyTo(frame); }
void cChangeStyle::ExportRTF(cFrame& frame, RtfExport&) { applyTo(frame); }
void cChangeStyle::ExportPDF(cFrame& frame, PdfExport&) { applyTo(frame); }

void cChangeStyle::applyTo(cFrame& frame) const { frame.CurrentStyle = *style_; }

std::shared_ptr<cElement> cChangeStyle::Copy() const { return std::make_shared<cChangeStyle>(*this); }

void cChangeStyle::saveItems(ItemWriter& out) const { saveStyle(out, *style_); }
void cChangeStyle::loadItems(const ItemReader& in) { Style(loadStyle(in.child("Style"))); }

}  // namespace kalder
