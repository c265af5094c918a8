#include "document/cChangeStyle.h"

#include "document/StyleXml.h"
#include "document/RenderContext.h"
#include "kalder/Enums.h"

namespace kalder {

cChangeStyle::cChangeStyle() : cElement(ekChangeStyle) {}
cChangeStyle::cChangeStyle(const cStyle& style) : cElement(ekChangeStyle), style_(style) {}

void cChangeStyle::Preview(const cFrame&, RenderContext& ctx) const { ctx.style = style_; }

std::shared_ptr<cElement> cChangeStyle::Copy() const { return std::make_shared<cChangeStyle>(*this); }

template <class Self, class Io>
void cChangeStyle::fields(Self& self, Io io) {
    io.record("Style", self.style_, styleFields);
}

void cChangeStyle::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cChangeStyle::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }

}  // namespace kalder
