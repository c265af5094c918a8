// One token of paragraph markup: a run of text, a tag, or the end of the input.
//
// The lexer fills the kind, text, tag code, argument and the two flags about what follows;
// the word builder fills the width and the font ascent and descent in force for the token.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "kalder/Variant.h"
#include "richtext/MarkupTags.h"

namespace kalder {

enum LexType : std::int32_t { lxTag = 0, lxText = 1, lxEnd = 2 };

struct cLexToken {
    std::int32_t lxType = lxEnd;
    // Text: the characters. Tag: the text between the brackets; for "ac" and "pg" the text
    // they insert.
    std::string sLex;
    std::int32_t cmd = tagNone;  // MarkupTag; 0 for text and unknown tags
    // The tag's argument converted as the tag needs it: Boolean (bd it ul st pg), Long (ac xp
    // ts li ri), Single points (fs), String (co lv ff and unknown tags); Empty otherwise.
    Variant Param;
    bool bBreak = false;       // white space or the end of the input follows: the word ends
    bool NextIsWhite = false;  // a space (not a tab or line feed) follows
    std::int32_t Width = 0;    // twips of the visible text
    std::int32_t TokenAscend = 0;
    std::int32_t TokenDescend = 0;
    std::size_t Start = 0;     // byte offset of the token in the text

    bool isTag(std::int32_t code) const noexcept { return lxType == lxTag && cmd == code; }
    // The characters the token shows: a text's own, the character of "ac", the page number of
    // "pg", "<" and ">" for "zl" and "zr"; empty for every other tag.
    std::string_view shownText() const noexcept;
};

}  // namespace kalder
