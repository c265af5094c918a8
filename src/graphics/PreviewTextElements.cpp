// Text elements of Preview: page numbers and their numbering, references to other elements,
// and the watermark.
#include "kalder/Preview.h"

#include "core/TextMeasurer.h"
#include "core/Twips.h"
#include "document/CurrentFrame.h"
#include "document/cDocument.h"
#include "document/PageNumberText.h"
#include "graphics/WatermarkLayout.h"
#include "graphics/cGraphicText.h"
#include "graphics/cPageNo.h"
#include "graphics/cReference.h"

namespace kalder {

// ---- Page numbers ------------------------------------------------------------------------

std::string Preview::AddPageNumberAt(const std::string& sText, const Variant& vxPos, const Variant& vyPos,
                                     bool MaxPages, std::int32_t Align) {
    auto number = std::make_shared<cPageNo>();
    number->Definition = sText;
    number->PageKey = doc_->CurrentPage();
    number->xPos = vxPos.isMissing() ? doc_->CurrentX : C_Twips(vxPos);
    number->yPos = vyPos.isMissing() ? doc_->CurrentY : C_Twips(vyPos);
    number->MaxPages = MaxPages;
    number->Align = Align;
    return addToCurrentFrame(*doc_, number);
}

std::string Preview::Page(bool bMaxpages) {
    auto page = doc_->currentPage();
    return page ? pageNumberText(*doc_, *page, bMaxpages) : std::string();
}

std::string Preview::PageNumber(bool bMaxpages) { return Page(bMaxpages); }

std::string Preview::RomanNumber(std::int32_t Number) const { return romanNumeral(Number); }

std::int32_t Preview::PageNumberType() const {
    auto page = doc_->currentPage();
    return page ? page->PageNoType : prPTArabic;
}

void Preview::PageNumberType(std::int32_t type) {
    if (auto page = doc_->currentPage()) page->PageNoType = type;
}

// ---- References --------------------------------------------------------------------------

std::string Preview::AddReference(const std::string& Page, const std::string& Frame, const std::string& Element) {
    auto reference = std::make_shared<cReference>();
    reference->PageKey = Page;
    reference->FrameKey = Frame;
    reference->ElementKey = Element;
    return addToCurrentFrame(*doc_, reference);
}

// ---- Watermark ---------------------------------------------------------------------------

// The text goes into the page's "watermark" frame, a frame of the type drawn first, under
// everything else, covering the whole sheet; a second watermark on the page joins the first
// in that frame. The current page, frame and position are left as they were. Placement:
// WatermarkLayout.h.
void Preview::Watermark(const std::string& Text, std::int32_t Color, const std::string& sFontName, bool bBold,
                        bool bItalic) {
    auto page = doc_->currentPage();
    if (!page || Text.empty()) return;
    const std::int32_t width = page->PageWidth(), height = page->PageHeight();

    auto frame = page->Frames().Item(std::string_view("watermark"));
    if (!frame) {
        frame = page->Frames().Add("watermark", kFrameUnderlay);
        if (!frame) return;  // the page has an underlay frame under another name already
        frame->setStyle(page->Style);
        frame->xPos = 0;
        frame->yPos = 0;
        frame->Width = width;
        frame->Height = height;
    }

    auto current = doc_->currentFrame();
    cStyle style = current ? current->CurrentStyle : doc_->Style;
    style.FontSize = kWatermarkMeasuringSize;
    if (!sFontName.empty()) style.FontName = sFontName;
    style.Bold = bBold;
    style.Italic = bItalic;
    // A line under or through the text would run across the whole sheet; the running style
    // of a new document is underlined, so it is dropped here rather than inherited.
    style.Underline = false;
    style.Strikethru = false;
    const WatermarkPlacement place =
        placeWatermark(width, height, TextMeasurer::width(style, Text), TextMeasurer::metrics(style).height);
    if (place.fontSize <= 0) return;
    style.FontSize = place.fontSize;
    style.TextRotation = place.rotation;
    style.ForeColor = Color;
    const WatermarkStart start = watermarkStart(width, height, place.rotation, TextMeasurer::width(style, Text),
                                                TextMeasurer::metrics(style).height);

    frame->CurrentStyle = style;
    frame->AddChangeStyle(style);
    auto text = std::make_shared<cGraphicText>();
    text->Text = Text;
    text->xPos = start.x;
    text->yPos = start.y;
    text->AutoStep = prASNone;
    text->Charset = style.Charset;
    frame->addElement(text);
}

}  // namespace kalder
