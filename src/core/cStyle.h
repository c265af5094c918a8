// Text and drawing attributes. The document keeps one current style and the named styles;
// every page, frame and style-change element holds its own copy, so a cStyle is a value
// type (copying it is the record's Copy, the line style included).
#pragma once

#include <cstdint>
#include <string>

#include "core/KeyedCollection.h"
#include "kalder/cLineStyle.h"

namespace kalder {

struct cStyle {
    std::string Key;
    std::string FontName = "Arial";
    float FontSize = 200;  // twentieths of a point
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethru = false;
    std::int32_t ForeColor = 0;
    std::int32_t BackColor = 0;
    std::int32_t LeadingType = 3;  // eLeadingType
    double LeadingVal = 0;         // twips for absolute and increment leading, percent for percent leading
    std::int32_t TextRotation = 0; // degrees counter-clockwise (the device escapement is ten times it)
    std::int32_t Charset = 0;
    std::int32_t Orientation = 1;  // eOrientation
    std::int32_t FillStyle = 1;    // transparent
    std::int32_t FillColor = 0xFFFFFF;
    cLineStyle LineStyle;
    std::int32_t PageSize = 9;     // ePaperSize

    friend bool operator==(const cStyle&, const cStyle&) = default;
};

// The named styles, in the order they were defined; names compare without regard to case.
using cStyles = KeyedCollection<cStyle>;

}  // namespace kalder
