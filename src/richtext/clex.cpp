#include "richtext/clex.h"

#include <utility>

namespace kalder {

clex::clex() : words_(lexer_, state_, pages_), lines_(words_) { state_.reset(cStyle{}); }

void clex::TokenString(std::string text) {
    text_ = std::move(text);
    lexer_ = MarkupLexer(text_, MarkupLexer::Dialect::PlainLines);
}

}  // namespace kalder
