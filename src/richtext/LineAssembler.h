// Line assembly: fills one line with words and places it.
//
// Words follow one another with the space of the word before them until the next one would
// pass the available width (the paragraph width less both indents); that word goes back for
// the next line, unless the line shows nothing yet (a word wider than the line stands alone
// and overflows to the right, even after tags) or the word shows nothing (a line break or a
// style tag after the last word stays on its line). A word begun by "xp" n starts at n; one begun by "tb" at the first
// tab stop after the words so far (justification counts from the word after it); "li" and
// "ri" change the available width from that word on. "nl" ends the line and the paragraph,
// "sl" the line alone, and so does the end of the text.
//
// The line is then aligned by the alignment in force at its end: left at the left indent;
// right at (available - used - right indent); centred at (available - used) / 2; justified at
// the left indent with the free width (available - justification base - used) shared out,
// truncated, over the spaces after the words that have one, unless the line ends a paragraph.
#pragma once

#include <cstdint>

#include "richtext/WordBuilder.h"
#include "richtext/cTextLine.h"

namespace kalder {

class LineAssembler {
public:
    explicit LineAssembler(WordBuilder& words) : words_(words) {}

    // The next line of a paragraph `width` twips wide; a line without words when the text is
    // exhausted.
    cTextLine GetLine(std::int32_t width);

private:
    WordBuilder& words_;
};

}  // namespace kalder
