// ShowRTF of Preview: an RTF file laid out in the current document.
//
// The imported markup (exactly what RtfImport returns, so a file that does not parse shows
// its "Error parsing file:" text) is poured into the "inside" frame of the current page with
// ParaText, from the current position down when "inside" is already the current frame and
// from its top otherwise. While text is left over, a page is added with the current page's
// margins, header and footer bands and paper size, and the rest continues at the top of its
// "inside" frame. ParaText turns the CR LF the reader writes after each paragraph end into a
// second line break, so paragraphs stand apart by an empty line in place of the paragraph
// spacing RTF files carry. A line that does not fit even an empty "inside" frame can never be
// placed; the layout stops there instead of adding pages without end, and an "inside" frame
// without height adds no page at all. The current position ends below the last placed line.
//
// Kept apart from RtfImport because it needs the paragraph element, which RtfImport does not.
#include "kalder/Preview.h"

#include <algorithm>

#include "document/CurrentFrame.h"
#include "document/cDocument.h"
#include "richtext/LineEnds.h"
#include "richtext/cParaText.h"

namespace kalder {

namespace {

// The text still to pour: `head` (a continuation prefix and whatever of an earlier head a page
// did not take), then the whole text from `pos` on. Kept in two parts so that a page costs what
// it holds, not the length of the text left: pouring a long file is linear in its size.
struct Pouring {
    std::string_view text;
    std::string head;
    std::size_t pos = 0;

    bool done() const noexcept { return head.empty() && pos >= text.size(); }

    // The first `window` bytes of what is left, and whether that is all of it.
    std::string chunk(std::size_t window, bool& all) const {
        all = pos + window >= text.size();
        std::string c = head;
        c.append(text.substr(pos, all ? std::string_view::npos : window));
        return c;
    }

    void advance(const ParaRest& rest) {
        if (rest.empty()) {
            head.clear();
            pos = text.size();
            return;
        }
        std::string next = rest.prefix;
        if (rest.from < head.size()) next.append(head, rest.from);
        else pos += rest.from - head.size();
        head = std::move(next);
    }
};

}  // namespace

void Preview::ShowRTF(const std::string& RTFFile) {
    std::string markup = RtfImport(RTFFile), replaced;
    Pouring pouring{replaceLineEnds(markup, replaced) ? replaced : markup};
    if (pouring.done()) return;

    std::int32_t y = CurrentFrame() == "inside" ? std::max(CurrentY(), 0) : 0;
    CurrentFrame("inside");
    for (bool added = false;; added = true) {
        const std::int32_t height = FrameHeight() - y;
        if (height > 0) {
            auto frame = doc_->currentFrame();
            auto para = std::make_shared<cParaText>();
            para->yPos = y, para->Width = frame->Width, para->Height = height;
            if (addToCurrentFrame(*doc_, para).empty()) return;
            const PageNumbering pages{doc_.get(), doc_->currentPage().get()};
            // A page takes a window of the text; when its layout looked as far as the window's
            // end (a word or tag may run past it), the page is laid out again from a window
            // twice as large, so the result is what the whole text would give.
            ParaRest rest;
            for (std::size_t window = 64 * 1024;; window *= 2) {
                bool all = false;
                const std::string chunk = pouring.chunk(window, all);
                rest = para->FlowParaText(frame->CurrentStyle, chunk, pages);
                if (all || para->Text.size() < chunk.size()) break;
            }
            doc_->CurrentY = para->NextY;
            pouring.advance(rest);
            if (pouring.done()) return;
            // Nothing placed at the top of an empty frame: the next page would fare no better.
            if (y == 0 && para->NextY <= 0) return;
        } else if (added || y == 0) {
            return;  // a frame without room: every further page would be the same
        }
        AddPage(PageMarginLeft(), PageMarginRight(), PageMarginTop(), PageMarginBottom(), PageHeaderSize(),
                PageFooterSize(), PageSize());
        CurrentFrame("inside");
        y = 0;
    }
}

}  // namespace kalder
