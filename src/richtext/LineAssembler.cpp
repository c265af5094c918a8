#include "richtext/LineAssembler.h"

#include <algorithm>

#include "core/Limits.h"

namespace kalder {

namespace {

std::int32_t saturated(long long v) noexcept {
    return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(v);
}

// The first tab stop after x; nothing when there is none.
const std::int32_t* stopAfter(const std::vector<std::int32_t>& stops, long long x) {
    const auto at = std::upper_bound(stops.begin(), stops.end(), x,
                                     [](long long v, std::int32_t stop) { return v < stop; });
    return at == stops.end() ? nullptr : &*at;
}

}  // namespace

cTextLine LineAssembler::GetLine(std::int32_t width) {
    ParaState& state = words_.state();
    cTextLine line;
    auto available = [&] {
        return static_cast<long long>(width) - state.LeftIndent - state.RightIndent;
    };
    long long avail = available();
    long long x = 0;
    long long pendingSpace = 0;
    long long base = 0;  // justification base
    std::size_t firstJustified = 0;
    bool shows = false;  // the line holds a word that shows something

    for (;;) {
        cWord w = words_.GetWord();
        if (w.empty()) {
            line.LineEnd = true;
            break;
        }
        const cLexToken& first = w.Tokens.front();
        bool placed = false;
        if (first.isTag(tagXp)) {
            const std::int32_t n = first.Param.toLong();
            const std::int32_t start = std::clamp(n, -limits::kMarkupOffsetTwips, limits::kMarkupOffsetTwips);
            w.WordStart = start;
            x = static_cast<long long>(start) + w.Width;
            base = start;
            placed = true;
        } else if (first.isTag(tagTb)) {
            if (const std::int32_t* stop = stopAfter(state.TabStops, x)) {
                w.WordStart = *stop;
                x = static_cast<long long>(*stop) + w.Width;
                base = *stop;
                firstJustified = line.Words.size() + 1;
                placed = true;
            }
        } else if (first.isTag(tagLi) || first.isTag(tagRi)) {
            avail = available();
        }
        if (!placed) {
            const long long start = x + pendingSpace;
            // A word that shows nothing (a line break, a style tag) cannot overflow the line: it
            // stays with the words before it rather than opening a line of its own. And a line
            // that shows nothing yet (only tags so far, such as a continuation prefix) takes
            // the word however wide it is: otherwise a too-wide word after a prefix would make
            // a line of tags alone, and a continuation would never get past that word.
            if (w.Width > 0 && start + w.Width > avail && shows) {
                words_.putBack();
                avail = available();  // the word may have been an indent that no longer holds
                break;
            }
            x = start + w.Width;
        }
        pendingSpace = w.SpaceWidth;
        shows = shows || w.Width > 0;
        line.LineAscend = std::max(line.LineAscend, w.WordAscend);
        line.LineDescend = std::max(line.LineDescend, w.WordDescend);
        const cLexToken& last = w.Tokens.back();
        const bool paragraphEnd = last.isTag(tagNl);
        const bool lineEnd = paragraphEnd || last.isTag(tagSl);
        line.Words.push_back(std::move(w));
        if (lineEnd) {
            line.LineEnd = paragraphEnd;
            break;
        }
    }
    if (line.Words.empty()) return line;

    // Used width: the words and the spaces between them, from the first justified word on.
    long long used = 0;
    std::size_t spaced = 0;  // words from the first justified one on that have a space
    for (std::size_t i = firstJustified; i < line.Words.size(); ++i) {
        const cWord& w = line.Words[i];
        used += w.Width;
        if (i + 1 < line.Words.size()) used += w.SpaceWidth;
        if (w.SpaceWidth > 0) ++spaced;
    }
    long long indent = state.LeftIndent;
    switch (state.Alignment) {
        case alignRight: indent = avail - used - state.RightIndent; break;
        case alignCentre: indent = (avail - used) / 2; break;
        case alignJustify:
            if (!line.LineEnd && spaced > 1) {
                const long long gaps = static_cast<long long>(spaced) - 1;
                const long long extra = (avail - base - used) / gaps;
                for (std::size_t i = firstJustified; i < line.Words.size(); ++i) {
                    cWord& w = line.Words[i];
                    if (w.SpaceWidth > 0) w.SpaceWidth = saturated(w.SpaceWidth + extra);
                }
            }
            break;
        default: break;
    }
    line.LineWidth = saturated(avail);
    line.TotalWordWidth = saturated(used);
    line.LineIndent = saturated(indent);
    line.LineAlign = state.Alignment;
    return line;
}

}  // namespace kalder
