// RenderContext: what one drawing of a page carries besides the canvas. Drawing reads the
// document and never changes it: the running attributes of the frame being drawn live here,
// not in the frame, so drawing a page twice (or on two outputs at once) draws it alike and
// leaves the builder's current attributes as they were.
#pragma once

#include <string>
#include <unordered_map>

#include "core/Canvas.h"
#include "core/cStyle.h"

namespace kalder {

class cDocument;
class cElement;
class cPage;

struct RenderContext {
    RenderContext(Canvas& canvas, const cDocument* document = nullptr) : canvas(canvas), document(document) {}

    Canvas& canvas;
    // The document (page numbers, references) and the page being drawn; either may be
    // missing when a lone frame is drawn, and elements that need them draw nothing then.
    const cDocument* document = nullptr;
    const cPage* page = nullptr;
    // The running attributes of the frame being drawn: its own style at the start, changed
    // by style-change elements as they are met.
    cStyle style;
    // The element key of the find dialog's last match, drawn in red; empty for none.
    std::string highlightKey;
    // What each reference met so far on this page stands for: the element at the end of its
    // chain, or nullptr when the chain leads nowhere or round in a circle. Every link is
    // resolved once, so a page of n chained references draws in time linear in n.
    std::unordered_map<const cElement*, const cElement*> referenceTargets;
};

}  // namespace kalder
