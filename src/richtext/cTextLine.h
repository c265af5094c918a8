// One laid-out line of a paragraph and the lines of a paragraph. Horizontal measures are
// twips from the paragraph's left edge; vertical ones are twips from the top of the frame.
#pragma once

#include <cstdint>
#include <vector>

#include "richtext/cWord.h"

namespace kalder {

struct cTextLine {
    std::vector<cWord> Words;
    std::int32_t LineAscend = 0;      // largest ascent of its words
    std::int32_t LineDescend = 0;     // largest descent of its words
    std::int32_t LineWidth = 0;       // the width available to the line
    std::int32_t TotalWordWidth = 0;  // the width its words use (from the first justified word on)
    std::int32_t LineIndent = 0;      // x of its first word, from alignment and indents
    std::int32_t LineAlign = 0;       // ParaAlign in force at its end
    bool LineEnd = false;             // ends a paragraph: never justified
    std::int32_t LineTop = 0;
    std::int32_t ThisLineBottom = 0;  // LineTop + ascent + descent
    std::int32_t NextLineTop = 0;     // LineTop advanced by the leading

    // The x of each word from the paragraph's left edge, as line assembly placed them.
    std::vector<std::int32_t> wordPositions() const;
};

using cTextLines = std::vector<cTextLine>;

}  // namespace kalder
