// TextSink: what the text outputs (the HTML pages and the text file) receive from the elements
// of a frame. These outputs are not drawings, so they do not go through the canvas: a line of
// text hands over its text and place, a paragraph its marked-up text as written, a style
// change the new running attributes, and every other kind nothing (cElement::writeText).
// Each output decides what it makes of these: HTML places the lines and leaves paragraphs
// out; the text file writes lines and paragraphs alike, one line each.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/cStyle.h"
#include "document/cFrame.h"

namespace kalder {

class TextSink {
public:
    virtual ~TextSink() = default;

    // A line of text at (x, y), frame twips: the top left of its cell for a left (or
    // justified) line, the right end for prALRight, the centre for prALCenter; in `style`.
    virtual void textLine(std::string_view text, std::int32_t x, std::int32_t y, std::int32_t align) = 0;
    // A paragraph's text, its tags as written.
    virtual void paragraph(std::string_view markup) = 0;

    // The elements of `frame` in order, from the frame's own attributes.
    void writeFrame(const cFrame& frame) {
        style = frame.Style;
        for (const ElementPtr& e : frame.Elements()) e->writeText(*this);
    }

    // The running attributes of the frame being written; style changes set them.
    cStyle style;
};

}  // namespace kalder
