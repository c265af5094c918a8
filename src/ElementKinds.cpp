// Every element kind of the library, by number. A new kind adds one line here; the loader,
// page templates and frame copies then handle it without further change.
#include "document/ElementFactory.h"
#include "document/cChangeStyle.h"
#include "kalder/Enums.h"

namespace kalder {

void registerElementKinds(ElementFactory& factory) {
    factory.add(ekChangeStyle, [] { return std::make_shared<cChangeStyle>(); });
}

}  // namespace kalder
