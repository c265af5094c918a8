// Caller measures to twips (1/1440 inch). A measure is a number (twips) or a string with a
// unit: "in", "mm" (x 56.7), "cm" (x 567), "tw", "pt"; "." and "," are both decimal marks.
#pragma once

#include <cstdint>

#include "kalder/Variant.h"

namespace kalder {

// Twips as a float, not rounded. Errors: 1000 "CTwips" "Error converting : <value>" for an
// unknown unit; 13 for a number part that is no number; 6 beyond the single range.
float CTwips(const Variant& value);

// CTwips rounded to whole twips, half to even; 6 beyond the 32-bit range.
std::int32_t C_Twips(const Variant& value);

// Printer scale conversions (scale: PrinterScaleType); unknown scales give 0.
float ConvertToTwip(std::int32_t scale, float value);
float ConvertFromTwip(std::int32_t scale, float value);

}  // namespace kalder
