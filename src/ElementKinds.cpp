// Every element kind of the library, by number. A new kind adds one line here; the loader,
// page templates and frame copies then handle it without further change.
#include "document/ElementFactory.h"
#include "document/cChangeStyle.h"
#include "graphics/cGraphicText.h"
#include "graphics/cPageNo.h"
#include "graphics/cReference.h"
#include "kalder/Enums.h"

namespace kalder {

void registerElementKinds(ElementFactory& factory) {
    factory.add(ekChangeStyle, [] { return std::make_shared<cChangeStyle>(); });
    factory.add(ekGraphicText, [] { return std::make_shared<cGraphicText>(); });
    factory.add(ekPageNo, [] { return std::make_shared<cPageNo>(); });
    factory.add(ekReference, [] { return std::make_shared<cReference>(); });
}

}  // namespace kalder
