// One row of a column report or of Tabulate: each value written in its field, as a text line,
// or as a paragraph when it holds line breaks, in the current frame's running style.
//
// A field definition is an alignment letter ("l", "r", "c" or "d", any case, blanks after it
// ignored), the position in twips relative to the row's x, optionally ";" and a width in
// twips, then optionally ";color=" and a colour and ";backcolor=" and a colour (in either
// order); a colour of -1 is the running style's. Where a value sits in its field:
//   l  from the position;            r  ending at position + width;
//   c  centred on position + width / 2;
//   d  the decimal mark at position + width - decSpace: the whole part ends there and the
//      mark and the fraction follow (a value without a mark ends there too). decSpace is the
//      column's DecSpace in a column report, and in Tabulate the width of the mark and two
//      digits in the running style.
// A field without a width is as wide as its value (r, c and d then anchor at the position).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/cStyle.h"

namespace kalder {

class Preview;
class cDocument;
class cFrame;

struct FieldDef {
    char align = 'l';
    std::int32_t pos = 0;
    std::int32_t width = 0;
    std::int32_t decSpace = -1;  // -1: the width of the mark and two digits
    std::int32_t color = -1;     // -1: the running style's ForeColor
    std::int32_t backColor = 0xFFFFFF;
};

// Reads a definition; AutomationError 5 "Tabulate" naming the definition when malformed.
FieldDef parseFieldDef(std::string_view definition);

// Writes `texts` (one per field) as a row whose top is `y`, fields at x + their position,
// in the current frame. Returns the row's height: one line step of the running style, or
// the deepest paragraph's.
std::int32_t writeRow(Preview& pv, cDocument& doc, const std::vector<FieldDef>& fields,
                      const std::vector<std::string>& texts, std::int32_t x, std::int32_t y);

// Temporarily the running style of the current frame, recorded as style changes, and back
// (nothing is recorded when the style is already the one wanted).
class StyleScope {
public:
    StyleScope(cDocument& doc, const cStyle& wanted);
    ~StyleScope();
    StyleScope(const StyleScope&) = delete;
    StyleScope& operator=(const StyleScope&) = delete;

private:
    cDocument& doc_;
    cStyle saved_;
    bool changed_ = false;
};

// Goes on on a new page, as rows that no longer fit do: with prASInside a fresh page with the
// current page's margins, in its "inside" frame; otherwise a page made from the current one as
// a template, in its "inside" frame, or in `frameKey` (when given) emptied of what the template
// copied. The running style carries over. Returns the frame the rows go on in, if any.
std::shared_ptr<cFrame> continueOnNewPage(Preview& pv, cDocument& doc, std::int32_t etsStep,
                                          const std::string& frameKey = "");

}  // namespace kalder
