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

namespace kalder {

void Preview::ShowRTF(const std::string& RTFFile) {
    std::string rest = RtfImport(RTFFile);

    std::int32_t y = CurrentFrame() == "inside" ? std::max(CurrentY(), 0) : 0;
    CurrentFrame("inside");
    for (bool added = false;; added = true) {
        const std::int32_t height = FrameHeight() - y;
        if (height > 0) {
            ParaText(rest, 0, y, FrameWidth(), height);
            if (rest.empty()) return;
            // Nothing placed at the top of an empty frame: the next page would fare no better.
            if (y == 0 && ParaNextY() <= 0) return;
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
