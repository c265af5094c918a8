// Text lines of Preview: AddTextAt places one line of graphic text and moves the current
// position on by the line step, starting a new page when the next line would not fit.
//
// Line step: graphics/LineStep.h, from the current frame's running style.
// Page overflow (the next line would end below the frame's height):
//   prASPage, prASCopypage  a copy of the current page (its frames and their content, the
//                           "inside" frame empty); prASCopypage tests the text height alone
//   prASInside              a fresh page with the current page's margins; a line in the
//                           header or footer takes that band and its content along
// Either way the line goes on at the top of the new page's "inside" frame (or "WholePage"
// when the line was there) with the attributes it had, recorded as a style change.
#include "kalder/Preview.h"

#include "core/TextMeasurer.h"
#include "core/Twips.h"
#include "document/cDocument.h"
#include "graphics/FramePosition.h"
#include "graphics/LineStep.h"
#include "graphics/cGraphicText.h"

namespace kalder {

namespace {

// y + step; a position beyond 32 bits is the run-time's overflow.
std::int32_t below(std::int32_t y, std::int32_t step) {
    return checkedTwips(static_cast<long long>(y) + step, "AddTextAt");
}

// The running attributes carried over to the frame the line continues in.
void continueWith(cFrame& frame, const cStyle& kept) {
    frame.CurrentStyle = kept;
    frame.AddChangeStyle(kept);
}

// A header or footer band of `from` given to `to` (a page without it), with the band frame's
// attributes and content; its rectangle follows the new page's geometry.
void carryBand(const cPage& from, cPage& to, const std::string& band) {
    auto old = from.Frames().Item(std::string_view(band));
    if (!old) return;
    if (band == "header") {
        to.PageHeaderSize = from.PageHeaderSize;
        to.SetHeader();
    } else {
        to.PageFooterSize = from.PageFooterSize;
        to.SetFooter();
    }
    auto fresh = to.Frames().Item(std::string_view(band));
    if (!fresh) return;
    fresh->Border = old->Border;
    fresh->ShowBorder = old->ShowBorder;
    fresh->Style = old->Style;
    fresh->CurrentStyle = old->CurrentStyle;
    fresh->Rotation = old->Rotation;
    fresh->Clear();
    for (const ElementPtr& e : old->Elements()) fresh->Elements().AddElement(e->Copy(), e->Key());
}

}  // namespace

std::string Preview::AddTextAt(const std::string& Text, const Variant& vxPos, const Variant& vyPos,
                               std::int32_t Align, std::int32_t etsStep) {
    // Checked first, so that a bad step leaves the document and the position as they were.
    if (etsStep < prASNone || etsStep > prASCopypage) throw AutomationError(997, "KD5_AddTextAt", "Bad Step");

    auto frame = doc_->currentFrame();
    const std::string previousFrame = doc_->CurrentFrame();
    std::int32_t x = vxPos.isMissing() ? doc_->CurrentX : C_Twips(vxPos);
    std::int32_t y = vyPos.isMissing() ? doc_->CurrentY : C_Twips(vyPos);
    doc_->CurrentX = x;
    doc_->CurrentY = y;
    if (!frame) return "";

    const std::int32_t step = lineStep(frame->CurrentStyle);
    std::int32_t next = y;
    if (etsStep == prASLine) {
        next = below(y, step);
    } else if (etsStep != prASNone) {
        const double needed =
            etsStep == prASCopypage ? TextMeasurer::height(frame->CurrentStyle) : static_cast<double>(step);
        if (y + needed > frame->Height) {
            const cStyle kept = frame->CurrentStyle;
            if (etsStep == prASInside) {
                auto oldPage = doc_->currentPage();
                const std::string added = AddPage(oldPage->PageMarginLeft, oldPage->PageMarginRight,
                                                  oldPage->PageMarginTop, oldPage->PageMarginBottom);
                // Only a page made here gets the band: when the key was taken (after a page was
                // deleted), the existing page became current and keeps its own frames.
                auto newPage = doc_->currentPage();
                if (!added.empty() && newPage && (previousFrame == "header" || previousFrame == "footer"))
                    carryBand(*oldPage, *newPage, previousFrame);
                doc_->CurrentFrame("inside");
            } else {
                AddPageTemplate();
                if (previousFrame == "wholepage") doc_->CurrentFrame("wholepage");
            }
            frame = doc_->currentFrame();
            if (!frame) return "";
            continueWith(*frame, kept);
            y = doc_->CurrentY;
        }
        next = below(y, step);
    }

    auto text = std::make_shared<cGraphicText>();
    text->Text = Text;
    text->xPos = x;
    text->yPos = y;
    text->Align = Align;
    text->AutoStep = etsStep;
    text->Charset = frame->CurrentStyle.Charset;
    const std::string key = frame->addElement(text);
    doc_->CurrentX = x;
    doc_->CurrentY = next;
    return key;
}

}  // namespace kalder
