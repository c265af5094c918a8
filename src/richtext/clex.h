// The lexer of plain text lines: the paragraph markup's tokens, words and lines over a text in
// which every line feed breaks the line, a tab is an ordinary character, and there is no
// AutoPara. Tags work as in paragraphs; GetWord and GetLine apply them to the working style
// and measure with it.
//
// Not copyable: its parts refer to each other.
#pragma once

#include <cstdint>
#include <string>

#include "core/cStyle.h"
#include "richtext/LineAssembler.h"
#include "richtext/MarkupLexer.h"
#include "richtext/PageNumbering.h"
#include "richtext/ParaState.h"
#include "richtext/WordBuilder.h"

namespace kalder {

class clex {
public:
    clex();
    clex(const clex&) = delete;
    clex& operator=(const clex&) = delete;

    // Stores the text and starts reading at its beginning.
    void TokenString(std::string text);
    const std::string& TokenString() const noexcept { return text_; }

    // The working style words are measured in (the default style until set); setting it also
    // clears alignment, indents and tab stops.
    void Style(const cStyle& style) { state_.reset(style); }
    const ParaState& state() const noexcept { return state_; }

    cLexToken GetToken() { return lexer_.GetToken(); }
    cWord GetWord() { return words_.GetWord(); }
    // The next line `width` twips wide; one without words when the text is exhausted.
    cTextLine GetLine(std::int32_t width) { return lines_.GetLine(width); }

private:
    std::string text_;
    MarkupLexer lexer_;
    ParaState state_;
    PageNumbering pages_;
    WordBuilder words_;
    LineAssembler lines_;
};

}  // namespace kalder
