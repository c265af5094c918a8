#include "richtext/ParaFlow.h"

#include <cmath>
#include <exception>

#include "richtext/ContinuationPrefix.h"
#include "richtext/LineAssembler.h"
#include "richtext/MarkupLexer.h"
#include "richtext/ParaState.h"
#include "richtext/WordBuilder.h"

namespace kalder {

namespace {

// y of the line after one at `top` whose font reaches `height` below its top.
std::int32_t advance(std::int32_t top, std::int32_t height, const cStyle& style) {
    const double y = top;
    const double h = height;
    double next;
    switch (style.LeadingType) {
        case 1: next = y + h * style.LeadingVal / 100.0; break;
        case 2: next = y + style.LeadingVal; break;
        case 3: next = y + h + style.LeadingVal; break;
        default: next = y + h; break;  // a type the interface never sets: single spacing
    }
    return twipsOf(next);
}

}  // namespace

ParaFlowResult flowParagraph(std::string_view text, const cStyle& style, const ParaRect& rect, bool autoPara,
                             const PageNumbering& pages) {
    ParaFlowResult result;
    MarkupLexer lexer(text, MarkupLexer::Dialect::Paragraph, autoPara);
    ParaState state;
    WordBuilder words(lexer, state, pages);
    LineAssembler assembler(words);

    const long long bottom = static_cast<long long>(rect.yPos) + rect.Height;
    std::int32_t y = rect.yPos;
    MarkupLexer::State lineStart = lexer.state();
    ParaState stateAtLineStart;
    try {
        state.reset(style);
        for (;;) {
            lineStart = lexer.state();
            stateAtLineStart = state;
            cTextLine line = assembler.GetLine(rect.Width);
            if (line.Words.empty()) break;
            const long long height = static_cast<long long>(line.LineAscend) + line.LineDescend;
            if (y + height > bottom) {
                lexer.restore(lineStart);
                state = stateAtLineStart;
                break;
            }
            line.LineTop = y;
            line.ThisLineBottom = twipsOf(static_cast<double>(y) + static_cast<double>(height));
            y = advance(y, twipsOf(static_cast<double>(height)), state.Style);
            line.NextLineTop = y;
            result.lines.push_back(std::move(line));
        }
    } catch (const std::exception&) {
        // Keep what was built; the rest starts with the line that failed.
        lexer.restore(lineStart);
        state = stateAtLineStart;
    }
    result.nextY = y;
    // The lexer peeks one byte past what it reads, which may be the first byte of a character:
    // the kept text ends after that character, never inside it.
    result.seen = lexer.seen();
    while (result.seen < text.size() && (static_cast<unsigned char>(text[result.seen]) & 0xC0) == 0x80) ++result.seen;
    if (!lexer.pastEnd()) {
        result.rest.prefix = continuationPrefix(state, style);
        result.rest.from = lexer.position();
    }
    return result;
}

}  // namespace kalder
