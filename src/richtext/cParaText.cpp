#include "richtext/cParaText.h"

#include <algorithm>

#include "document/RenderContext.h"
#include "document/TextSink.h"
#include "document/XmlItems.h"
#include "document/cDocument.h"
#include "document/cFrame.h"
#include "kalder/Enums.h"
#include "richtext/ParaFlow.h"
#include "richtext/ParaRuns.h"

namespace kalder {

namespace {
std::int32_t sum(std::int32_t a, std::int32_t b) noexcept {
    const long long v = static_cast<long long>(a) + b;
    return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(v);
}
}  // namespace

cParaText::cParaText() : cElement(ekParaText) {}

ParaRest cParaText::FlowParaText(const cStyle& style, std::string_view text, const PageNumbering& pages) {
    ParaFlowResult r = flowParagraph(text, style, {xPos, yPos, Width, Height}, AutoPara, pages);
    TextLines = std::move(r.lines);
    NextY = r.nextY;
    // Laying the kept part out again gives these same lines: the pass never looked further.
    if (text.data() == Text.data())
        Text.resize(std::min(r.seen, Text.size()));
    else
        Text.assign(text.substr(0, r.seen));
    return std::move(r.rest);
}

void cParaText::Preview(const cFrame& frame, RenderContext& ctx) const {
    PageNumbering pages;
    if (ctx.document) pages = {ctx.document, ctx.page ? ctx.page : pageHolding(*ctx.document, frame)};
    const OutputRules& rules = ctx.canvas.rules();
    const RunOptions options{sum(frame.xPos, xPos), frame.yPos, rules.everySpace};
    const auto put = [&](std::string_view text, std::int32_t x, std::int32_t top, const cStyle& style) {
        ctx.canvas.PutText(std::string(text), x, top, style);
    };
    if (!rules.relayoutParagraphs) {
        replayRuns(TextLines, ctx.style, pages, options, put);
        return;
    }
    const ParaFlowResult r = flowParagraph(Text, ctx.style, {xPos, yPos, Width, Height}, AutoPara, pages);
    replayRuns(r.lines, ctx.style, pages, options, put);
}

void cParaText::writeText(TextSink& out) const { out.paragraph(Text); }

std::shared_ptr<cElement> cParaText::Copy() const { return std::make_shared<cParaText>(*this); }

void cParaText::linkAfterLoad(cFrame& frame) {
    try {
        FlowParaText(frame.CurrentStyle, Text);
    } catch (const std::exception&) {
        TextLines.clear();  // drawn empty rather than failing the load
    }
}

template <class Self, class Io>
void cParaText::fields(Self& self, Io io) {
    io.item("Text", self.Text);
    io.item("xPos", self.xPos);
    io.item("yPos", self.yPos);
    io.item("Width", self.Width);
    io.item("Height", self.Height);
    io.item("AutoPara", self.AutoPara);
}

void cParaText::saveItems(ItemWriter& out) const { fields(*this, FieldWriter(out)); }
void cParaText::loadItems(const ItemReader& in) { fields(*this, FieldReader(in)); }

}  // namespace kalder
