// The named styles every new document starts with.
#pragma once

#include "core/cStyle.h"

namespace kalder {

// Adds "Normal" and "Heading1" to "Heading5", in that order.
void defineStandardStyles(cStyles& styles);

}  // namespace kalder
