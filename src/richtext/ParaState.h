// The working state of a paragraph while it is laid out: alignment, indents, tab stops, the
// working style that tags change, and the font measures of that style (ascent, descent and
// the width of a space), which every token carries.
//
// The measures come from the one text measurer and are refreshed whenever a tag changes the
// font (name, size, bold, italic), so a line of larger text is as high as its largest font.
#pragma once

#include <cstdint>
#include <vector>

#include "core/cStyle.h"
#include "richtext/cLexToken.h"

namespace kalder {

// Alignment codes of a paragraph's lines.
enum ParaAlign : std::int32_t { alignLeft = 0, alignRight = 1, alignCentre = 2, alignJustify = 3 };

struct ParaState {
    std::int32_t Alignment = alignLeft;
    std::int32_t LeftIndent = 0;
    std::int32_t RightIndent = 0;
    std::vector<std::int32_t> TabStops;  // ascending twips
    cStyle Style;                        // the working style
    std::int32_t Ascent = 0;
    std::int32_t Descent = 0;
    std::int32_t SpaceWidth = 0;         // width of " " in the working style

    // The state a layout pass starts from: left aligned, no indents, no tab stops, a copy of
    // `style`, its measures taken.
    void reset(const cStyle& style);
    // Measures ascent, descent and the space width of the working style.
    void measureFont();
    // Applies a tag that changes the paragraph (alignment, stops, indents, working style).
    // Tags that insert text or break lines change nothing here.
    void apply(const cLexToken& tag);
    // Adds a stop in ascending order; a stop already there, or one beyond the limit of
    // stops, is not added.
    void addTabStop(std::int32_t twips);
};

// Applies a style tag (bd it ul st fs co ff lv) to `style` from the token's argument; returns
// true when the font changed (name, size, bold or italic), so its measures must be taken again.
// Sizes are clamped to the markup's largest font; a size of 0 or less, an empty font name and
// a colour or leading without ";" change nothing.
bool applyStyleTag(cStyle& style, const cLexToken& tag);

// Twips of a measure in double precision: rounded half to even, saturated to 32 bits.
std::int32_t twipsOf(double v) noexcept;

}  // namespace kalder
