// Symbol and arrow members of Preview. Measures go through C_Twips; a conversion error is
// passed on and nothing is added.
#include "kalder/Preview.h"

#include "core/Twips.h"
#include "document/CurrentFrame.h"
#include "graphics/cArrow.h"
#include "graphics/cSymbol.h"

namespace kalder {

std::string Preview::DrawSymbol(const std::string& SetName, const std::string& SymbolId, const Variant& vParam,
                                const Variant& xPos, const Variant& yPos, const Variant& vSize) {
    // An id the internal set does not have would only fail later, silently, while drawing;
    // the caller hears of it here instead.
    if (SetName == cSymbol::kInternalSet && !cSymbol::isInternalSymbol(SymbolId))
        cSymbol::raiseUnknownSymbol(SymbolId);

    auto symbol = std::make_shared<cSymbol>();
    symbol->SetName = SetName;
    symbol->SymbolId = SymbolId;
    symbol->Param = vParam;
    // Left out: the current position, and the size of the running font (a symbol as big as
    // the text around it; font sizes are kept in twentieths of a point, which are twips).
    symbol->xPos = xPos.isMissing() ? doc_->CurrentX : kalder::C_Twips(xPos);
    symbol->yPos = yPos.isMissing() ? doc_->CurrentY : kalder::C_Twips(yPos);
    if (vSize.isMissing()) {
        auto frame = doc_->currentFrame();
        symbol->Size = roundToLong(frame ? frame->CurrentStyle.FontSize : doc_->Style.FontSize);
    } else {
        symbol->Size = kalder::C_Twips(vSize);
    }
    return addToCurrentFrame(*doc_, symbol);
}

std::string Preview::DrawArrow(std::int32_t atStart, const Variant& sizeStart, std::int32_t atEnd,
                               const Variant& sizeEnd, const Variant& x1, const Variant& y1, const Variant& x2,
                               const Variant& y2) {
    auto arrow = std::make_shared<cArrow>();
    arrow->ArrowTypeStart = atStart;
    arrow->ArrowSizeStart = kalder::C_Twips(sizeStart);
    arrow->ArrowTypeEnd = atEnd;
    arrow->ArrowSizeEnd = kalder::C_Twips(sizeEnd);
    arrow->x1 = kalder::C_Twips(x1);
    arrow->y1 = kalder::C_Twips(y1);
    arrow->x2 = kalder::C_Twips(x2);
    arrow->y2 = kalder::C_Twips(y2);
    return addToCurrentFrame(*doc_, arrow);
}

}  // namespace kalder
