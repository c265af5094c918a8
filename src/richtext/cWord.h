// One word of a paragraph: the tokens between two breaks, text and tags alike, in input
// order, with the measures line assembly needs.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "richtext/cLexToken.h"

namespace kalder {

struct cWord {
    std::int32_t Width = 0;        // sum of the tokens' widths
    std::int32_t SpaceWidth = 0;   // space after the word (justification widens it)
    std::int32_t WordAscend = 0;   // largest ascent of its tokens
    std::int32_t WordDescend = 0;  // largest descent of its tokens
    // Where a tab stop or an "xp" tag put the word, from the line's left edge; other words
    // follow the word before them.
    std::optional<std::int32_t> WordStart;
    std::vector<cLexToken> Tokens;

    bool empty() const noexcept { return Tokens.empty(); }
};

}  // namespace kalder
