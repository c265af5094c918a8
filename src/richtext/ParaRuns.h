// Replays laid-out paragraph lines as runs of text, for drawing and for the exporters alike.
//
// The working style starts as the style given and follows the style tags of the tokens (bd it
// ul st fs co ff). Each word starts where line assembly put it; within a word, text runs (and
// the characters of "ac", "zl", "zr") follow one another by their widths, "dm", "dn" and "ss"
// leave their blank, "tb" and "xp" go to the word's start, and "pg" shows the page number of
// the page being drawn, measured again. Runs share a baseline: a run's top lies its ascent
// above the line's baseline. After a text run that a space follows, a run of one space keeps
// underline and strikethrough going under the gap.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "core/cStyle.h"
#include "richtext/PageNumbering.h"
#include "richtext/cTextLine.h"

namespace kalder {

// Receives one run: its text, the left and top of its cell in page twips, its style.
using RunSink = std::function<void(std::string_view text, std::int32_t x, std::int32_t top, const cStyle& style)>;

struct RunOptions {
    std::int32_t originX = 0;  // page twips of the paragraph's left edge
    std::int32_t originY = 0;  // page twips of the frame's top (line tops count from it)
    // Space runs after every word (as a drawing surface shows them), or only where they show
    // (underlined or struck-through text).
    bool everySpace = true;
};

void replayRuns(const cTextLines& lines, const cStyle& startStyle, const PageNumbering& pages,
                const RunOptions& options, const RunSink& sink);

}  // namespace kalder
