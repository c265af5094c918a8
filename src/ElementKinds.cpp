// Every element kind of the library, by number. A new kind adds one line here; the loader,
// page templates and frame copies then handle it without further change.
#include "document/ElementFactory.h"
#include "document/cChangeStyle.h"
#include "graphics/cGraphicText.h"
#include "graphics/cPageNo.h"
#include "graphics/cReference.h"
#include "graphics/cArrow.h"
#include "graphics/cBarCode.h"
#include "graphics/cEllipse.h"
#include "graphics/cLine.h"
#include "graphics/cPSet.h"
#include "graphics/cPicture.h"
#include "graphics/cPolygon.h"
#include "graphics/cRoundRect.h"
#include "graphics/cSymbol.h"
#include "kalder/Enums.h"
#include "richtext/cParaText.h"

namespace kalder {

void registerElementKinds(ElementFactory& factory) {
    factory.add(ekChangeStyle, [] { return std::make_shared<cChangeStyle>(); });
    factory.add(ekParaText, [] { return std::make_shared<cParaText>(); });
    factory.add(ekGraphicText, [] { return std::make_shared<cGraphicText>(); });
    factory.add(ekPageNo, [] { return std::make_shared<cPageNo>(); });
    factory.add(ekReference, [] { return std::make_shared<cReference>(); });
    factory.add(ekLine, [] { return std::make_shared<cLine>(); });
    factory.add(ekEllipse, [] { return std::make_shared<cEllipse>(); });
    factory.add(ekSymbol, [] { return std::make_shared<cSymbol>(); });
    factory.add(ekArrow, [] { return std::make_shared<cArrow>(); });
    factory.add(ekPSet, [] { return std::make_shared<cPSet>(); });
    factory.add(ekPolygon, [] { return std::make_shared<cPolygon>(); });
    factory.add(ekRoundRect, [] { return std::make_shared<cRoundRect>(); });
    factory.add(ekBarCode, [] { return std::make_shared<cBarCode>(); });
    factory.add(ekPicture, [] { return std::make_shared<cPicture>(); });
}

}  // namespace kalder
