// The tags that put a paragraph's state back where it was cut, so that the rest of the text
// goes on in another frame looking as it would have: the tab stops, the alignment, colour,
// font name and size, bold, italic, underline and strikethrough, the leading when it differs
// from the style the pass started with, and the indents when they are set.
#pragma once

#include <string>

#include "core/cStyle.h"
#include "richtext/ParaState.h"

namespace kalder {

// "<ts ..>"... "<rr>|<rl>|<ce>|<ju>" "<co r; g; b>" "<ff name>" "<fs points>" "<bd 0|1>"
// "<it ..>" "<ul ..>" "<st ..>" ["<lv type;value>"] ["<li n>"] ["<ri n>"]. A colour from -255
// to 0 is written as the plain number, which the "co" tag ignores. Decimal numbers use ".".
std::string continuationPrefix(const ParaState& state, const cStyle& startStyle);

}  // namespace kalder
