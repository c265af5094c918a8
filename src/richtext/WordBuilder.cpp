#include "richtext/WordBuilder.h"

#include <algorithm>

#include "core/TextMeasurer.h"

namespace kalder {

namespace {
std::int32_t saturatedSum(std::int32_t a, std::int32_t b) { return twipsOf(static_cast<double>(a) + b); }
}  // namespace

cWord WordBuilder::GetWord() {
    cWord w;
    before_ = lexer_.state();
    changed_ = false;
    for (;;) {
        const MarkupLexer::State at = lexer_.state();
        cLexToken t = lexer_.GetToken();
        if (t.lxType == lxEnd) break;
        if (t.lxType == lxTag && tagStartsWord(t.cmd) && !w.Tokens.empty()) {
            lexer_.restore(at);
            break;
        }
        process(t, w);
        w.WordAscend = std::max(w.WordAscend, t.TokenAscend);
        w.WordDescend = std::max(w.WordDescend, t.TokenDescend);
        const bool ends = t.bBreak || t.isTag(tagNl) || t.isTag(tagSl);
        w.Tokens.push_back(std::move(t));
        if (ends) break;
    }
    return w;
}

void WordBuilder::putBack() {
    lexer_.restore(before_);
    if (changed_) state_ = saved_;
    changed_ = false;
}

void WordBuilder::measure(cLexToken& t, cWord& w, std::string_view shown) {
    t.Width = twipsOf(TextMeasurer::width(state_.Style, shown));
    w.Width = saturatedSum(w.Width, t.Width);
    w.SpaceWidth = state_.SpaceWidth;
}

void WordBuilder::process(cLexToken& t, cWord& w) {
    // Every token carries the font measures in force where it stands, before a tag of its own
    // changes them: a line holding only a line break is as high as the text before it.
    t.TokenAscend = state_.Ascent;
    t.TokenDescend = state_.Descent;
    if (t.lxType == lxText) {
        measure(t, w, t.sLex);
        return;
    }
    switch (t.cmd) {
        case tagAc:
        case tagZl:
        case tagZr:
        case tagSs: measure(t, w, t.cmd == tagSs ? std::string_view(" ") : t.shownText()); return;
        case tagPg:
            t.sLex = pages_.text(t.Param.toBool());
            measure(t, w, t.sLex);
            return;
        case tagDm:
        case tagDn: {
            // One em is the font size itself: FontSize is in twentieths of a point, which are twips.
            const double em = state_.Style.FontSize;
            t.Width = twipsOf(t.cmd == tagDm ? em : em / 2);
            w.Width = saturatedSum(w.Width, t.Width);
            return;
        }
        case tagNone:
        case tagNl:
        case tagSl:
        case tagTb: return;
        default:
            if (!changed_) {
                saved_ = state_;
                changed_ = true;
            }
            state_.apply(t);
            return;
    }
}

}  // namespace kalder
