#include "document/cChangeStyle.h"

#include "document/StyleXml.h"
#include "document/RenderContext.h"
#include "kalder/Enums.h"

namespace kalder {

cChangeStyle::cChangeStyle() : cElement(ekChangeStyle) {}
cChangeStyle::cChangeStyle(const cStyle& style) : cElement(ekChangeStyle), style_(style) {}

void cChangeStyle::Preview(const cFrame&, RenderContext& ctx) const { ctx.style = style_; }

std::shared_ptr<cElement> cChangeStyle::Copy() const { return std::make_shared<cChangeStyle>(*this); }

void cChangeStyle::saveItems(ItemWriter& out) const { saveStyle(out, style_); }
void cChangeStyle::loadItems(const ItemReader& in) { style_ = loadStyle(in.child("Style")); }

}  // namespace kalder
