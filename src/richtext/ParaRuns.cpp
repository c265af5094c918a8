#include "richtext/ParaRuns.h"

#include <string>

#include "core/TextMeasurer.h"
#include "richtext/ParaState.h"

namespace kalder {

namespace {
std::int32_t at(long long v) noexcept {
    return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(v);
}
}  // namespace

void replayRuns(const cTextLines& lines, const cStyle& startStyle, const PageNumbering& pages,
                const RunOptions& options, const RunSink& sink) {
    cStyle style = startStyle;
    for (const cTextLine& line : lines) {
        const std::vector<std::int32_t> starts = line.wordPositions();
        for (std::size_t i = 0; i < line.Words.size(); ++i) {
            const long long wordX = static_cast<long long>(options.originX) + starts[i];
            long long x = wordX;
            for (const cLexToken& t : line.Words[i].Tokens) {
                const long long top =
                    static_cast<long long>(options.originY) + line.LineTop + line.LineAscend - t.TokenAscend;
                if (t.lxType == lxTag) {
                    switch (t.cmd) {
                        case tagDm:
                        case tagDn:
                        case tagSs: x += t.Width; continue;
                        case tagTb:
                        case tagXp: x = wordX; continue;
                        case tagPg: {
                            // The page that shows the paragraph, which for a copied header is
                            // not the page it was laid out on; without one, the text laid out.
                            if (!pages.document || !pages.page) break;
                            const std::string shown = pages.text(t.Param.toBool());
                            if (!shown.empty()) sink(shown, at(x), at(top), style);
                            x += twipsOf(TextMeasurer::width(style, shown));
                            continue;
                        }
                        case tagAc:
                        case tagZl:
                        case tagZr: break;
                        default: applyStyleTag(style, t); continue;
                    }
                }
                const std::string_view shown = t.shownText();
                if (!shown.empty()) sink(shown, at(x), at(top), style);
                x += t.Width;
                if (t.lxType == lxText && t.NextIsWhite && (options.everySpace || style.Underline || style.Strikethru))
                    sink(" ", at(x), at(top), style);
            }
        }
    }
}

}  // namespace kalder
