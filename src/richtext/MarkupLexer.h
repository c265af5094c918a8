// The markup lexer: cuts a text into tokens (text runs, tags, the end).
//
// Two dialects share it. Paragraph markup: white space is space, tab and line feed; with
// AutoPara a blank line (two line feeds, carriage returns between them ignored) yields two
// line breaks, the second one held back as the pending line break for the next call. Plain
// lines (the `clex` lexer): white space is space and line feed only (a tab is text), and
// every line feed is a line break. In both, carriage returns are never seen, and a "<" without
// a ">" after it ends the input there (the position moves to the end, so nothing is shown and
// nothing is left over).
//
// The lexer reads a text it does not own: the text must outlive it. It records how far into
// the text it has looked (`seen`), so that a caller can keep just the part of the text that
// decided the result.
#pragma once

#include <cstddef>
#include <string_view>

#include "richtext/cLexToken.h"

namespace kalder {

class MarkupLexer {
public:
    enum class Dialect { Paragraph, PlainLines };

    // Where the lexer stands: enough to go back to a point and read on from it.
    struct State {
        std::size_t position = 0;  // 0-based byte offset of the next character
        bool pendingBreak = false;
    };

    MarkupLexer() = default;
    explicit MarkupLexer(std::string_view text, Dialect dialect = Dialect::Paragraph, bool autoPara = false)
        : text_(text), dialect_(dialect), autoPara_(autoPara) {}

    // The next token from the current position.
    cLexToken GetToken();

    State state() const noexcept { return {pos_, pending_}; }
    void restore(State s) noexcept { pos_ = s.position; pending_ = s.pendingBreak; }

    std::string_view text() const noexcept { return text_; }
    std::size_t position() const noexcept { return pos_; }
    bool pastEnd() const noexcept { return pos_ >= text_.size(); }
    // Bytes from the start of the text that any token so far depended on.
    std::size_t seen() const noexcept { return seen_; }

private:
    bool white(char c) const noexcept {
        return c == ' ' || c == '\n' || (c == '\t' && dialect_ == Dialect::Paragraph);
    }
    // Index of the first character at or after `i` that is not a carriage return.
    std::size_t skipCR(std::size_t i) noexcept;
    cLexToken end() noexcept;
    cLexToken lineBreak(const char* sLex);
    void readTag(cLexToken& t, std::size_t close);
    void readText(cLexToken& t);
    // Sets bBreak and NextIsWhite from the character after the token.
    void follow(cLexToken& t) noexcept;

    std::string_view text_;
    Dialect dialect_ = Dialect::Paragraph;
    bool autoPara_ = false;
    std::size_t pos_ = 0;
    bool pending_ = false;
    std::size_t seen_ = 0;
};

}  // namespace kalder
