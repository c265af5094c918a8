// The layout pass of a paragraph: lines are assembled and stacked from the top of the
// paragraph's rectangle until the text is used up or the next line would reach below the
// rectangle. Each line advances y by the leading of the working style at its end: percent
// (type 1): ascent + descent times value / 100; absolute (2): value; increment (3): ascent +
// descent + value; any other type: ascent + descent. A line that does not fit is taken back
// whole, with the paragraph state as it was before it, and the rest of the text is returned
// behind the continuation prefix of that state.
//
// A failure inside the pass keeps the lines built so far and returns the rest from the first
// line not kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/cStyle.h"
#include "richtext/PageNumbering.h"
#include "richtext/cTextLine.h"

namespace kalder {

// The paragraph's rectangle in frame twips.
struct ParaRect {
    std::int32_t xPos = 0;
    std::int32_t yPos = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

// What a pass left of its text: the continuation prefix, then the text from `from` on. Kept
// apart rather than joined, so that a caller pouring a long text page by page need not copy
// the whole remainder for every page.
struct ParaRest {
    std::string prefix;
    std::size_t from = std::string_view::npos;  // npos: everything was placed

    bool empty() const noexcept { return from == std::string_view::npos; }
    std::string of(std::string_view text) const { return empty() ? std::string() : prefix + std::string(text.substr(from)); }
};

struct ParaFlowResult {
    cTextLines lines;
    std::int32_t nextY = 0;   // y below the last placed line (yPos when none was placed)
    ParaRest rest;
    std::size_t seen = 0;     // bytes of the text the result depends on (a text cut there lays out alike),
                              // ending on a character boundary
};

ParaFlowResult flowParagraph(std::string_view text, const cStyle& style, const ParaRect& rect, bool autoPara,
                             const PageNumbering& pages);

}  // namespace kalder
