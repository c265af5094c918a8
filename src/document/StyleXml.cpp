#include "document/StyleXml.h"

namespace kalder {

void saveStyle(ItemWriter& out, const cStyle& style) {
    FieldWriter io(out);
    io.record("Style", style, styleFields);
}

cStyle loadStyle(const ItemReader& in) {
    // Every field is read: a missing item gives 0, false or "", not the defaults of a new record.
    cStyle style;
    FieldReader io(in);
    styleFields(style, io);
    return style;
}

}  // namespace kalder
