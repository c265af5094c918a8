// Builds words from tokens: reads tokens up to the next break, measures the text they show in
// the working style (through the one text measurer) and applies every tag to the paragraph
// state as it comes.
//
// A word ends after a token followed by white space or the end, and after a line break ("nl",
// "sl"). A tag that begins a word of its own ("xp", "tb", "li", "ri") ends a word already
// holding tokens and is read again as the start of the next one.
//
// putBack() undoes the last word (lexer position and paragraph state), for the line that
// finds the word does not fit. The lexer, state and page numbering must outlive the builder.
#pragma once

#include "richtext/MarkupLexer.h"
#include "richtext/PageNumbering.h"
#include "richtext/ParaState.h"
#include "richtext/cWord.h"

namespace kalder {

class WordBuilder {
public:
    WordBuilder(MarkupLexer& lexer, ParaState& state, const PageNumbering& pages)
        : lexer_(lexer), state_(state), pages_(pages) {}

    // The next word; one without tokens when the text is exhausted.
    cWord GetWord();
    // Goes back to before the last word GetWord returned.
    void putBack();

    MarkupLexer& lexer() noexcept { return lexer_; }
    ParaState& state() noexcept { return state_; }

private:
    void process(cLexToken& t, cWord& w);
    void measure(cLexToken& t, cWord& w, std::string_view shown);

    MarkupLexer& lexer_;
    ParaState& state_;
    const PageNumbering& pages_;
    // The state before the last word, saved only when the word changed it (most words don't).
    MarkupLexer::State before_;
    ParaState saved_;
    bool changed_ = false;
};

}  // namespace kalder
