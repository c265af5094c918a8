// Paragraph members of Preview: ParaText pours marked-up text into the current frame, and
// ParaNextY tells where the last paragraph ended.
#include "kalder/Preview.h"

#include "core/Twips.h"
#include "document/CurrentFrame.h"
#include "document/cDocument.h"
#include "richtext/LineEnds.h"
#include "richtext/cParaText.h"

namespace kalder {

std::string Preview::ParaText(std::string& sData, const Variant& vxPos, const Variant& vyPos, const Variant& vWidth,
                              const Variant& vHeight) {
    auto frame = doc_->currentFrame();
    if (!frame) return "";
    auto para = std::make_shared<cParaText>();
    para->xPos = vxPos.isMissing() ? 0 : kalder::C_Twips(vxPos);
    para->yPos = vyPos.isMissing() ? 0 : kalder::C_Twips(vyPos);
    para->Width = vWidth.isMissing() ? frame->Width : kalder::C_Twips(vWidth);
    para->Height = vHeight.isMissing() ? frame->Height : kalder::C_Twips(vHeight);
    if (addToCurrentFrame(*doc_, para).empty()) return "";

    std::string replaced;
    const std::string& text = replaceLineEnds(sData, replaced) ? replaced : sData;
    const PageNumbering pages{doc_.get(), doc_->currentPage().get()};
    std::string rest = para->FlowParaText(frame->CurrentStyle, text, pages).of(text);
    doc_->CurrentY = para->NextY;
    // A rectangle too small for the first line places nothing: the caller gets the whole text
    // back behind the prefix like any rest, and ParaNextY still at the rectangle's top tells
    // that nothing was placed.
    sData = std::move(rest);
    return "";
}

std::int32_t Preview::ParaNextY() const {
    auto frame = doc_->currentFrame();
    if (!frame) return 0;
    auto para = std::dynamic_pointer_cast<cParaText>(frame->Elements().Item(frame->Elements().Count()));
    return para ? para->NextY : 0;
}

}  // namespace kalder
