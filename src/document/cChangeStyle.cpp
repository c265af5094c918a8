#include "document/cChangeStyle.h"

#include "document/StyleXml.h"
#include "document/RenderContext.h"
#include "document/TextSink.h"
#include "kalder/Enums.h"

namespace kalder {

cChangeStyle::cChangeStyle() : cElement(ekChangeStyle), style_(std::make_shared<const cStyle>()) {}
cChangeStyle::cChangeStyle(const cStyle& style) : cElement(ekChangeStyle), style_(std::make_shared<const cStyle>(style)) {}
cChangeStyle::cChangeStyle(std::shared_ptr<const cStyle> style)
    : cElement(ekChangeStyle), style_(style ? std::move(style) : std::make_shared<const cStyle>()) {}

void cChangeStyle::Preview(const cFrame&, RenderContext& ctx) const { ctx.style = *style_; }
// Writes nothing itself: the text lines after it are written in its attributes.
void cChangeStyle::writeText(TextSink& out) const { out.style = *style_; }

std::shared_ptr<cElement> cChangeStyle::Copy() const { return std::make_shared<cChangeStyle>(*this); }

// The items are the style's own (its one field list, StyleXml.h).
void cChangeStyle::saveItems(ItemWriter& out) const { saveStyle(out, *style_); }
void cChangeStyle::loadItems(const ItemReader& in) { Style(loadStyle(in.child("Style"))); }

}  // namespace kalder
