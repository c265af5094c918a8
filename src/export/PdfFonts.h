// The fonts of PDF text runs: which PDF base font a style maps to, and the font objects the
// writer puts at the end of the file.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/cStyle.h"

namespace kalder::pdf {

// The base font for a style's font name (compared in lower case, first match wins) and
// emphasis: "Courier-BoldOblique", "Times-Roman", "Verdana,Bold", "Arial,BoldItalic", ...
std::string baseFontName(const cStyle& style);

// Descriptor of a base font written as a TrueType font (Tahoma, Verdana, Wingdings and their
// bold forms); nullptr for the fonts written as standard fonts.
struct TrueTypeFont {
    const char* key;          // the base font name, lower case
    const char* fontName;     // /FontName of the descriptor
    const char* baseFont;     // /BaseFont of the font
    const char* bbox;
    int flags, capHeight, ascent, descent, stemV, italicAngle, xHeight;  // xHeight 0: not written
    bool macExpert;           // the Wingdings forms
};
const TrueTypeFont* trueTypeFont(std::string_view baseFont);

// Whether a font name is one of the families the base fonts stand for (Arial, Courier,
// Times, Helvetica, Verdana, Tahoma, Wingdings, Symbol, ZapfDingbats); any other family is
// embedded, since a reader would draw it as Arial.
bool knownFamily(const std::string& fontName);

// Advance widths of codes 0..255 in thousandths of the em.
std::array<int, 256> widthsOf(const TrueTypeFont& font);

}  // namespace kalder::pdf
