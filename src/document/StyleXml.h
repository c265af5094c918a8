// XML forms of the attribute records.
//   <Style Key="name"> FontName FontSize Bold Italic Underline StrikeThru ForeColor BackColor
//     LeadingType LeadingVal TextRotation Charset Orientation FillStyle FillColor
//     <LineStyle> LineType LineWidth Color </LineStyle> PageSize </Style>
#pragma once

#include "document/XmlItems.h"
#include "kalder/cLineStyle.h"
#include "core/cStyle.h"

namespace kalder {

// Field lists (see FieldWriter) for io.record(name, value, list).
inline constexpr auto lineStyleFields = [](auto& line, auto& io) {
    io.item("LineType", line.LineType);
    io.item("LineWidth", line.LineWidth);
    io.item("Color", line.Color);
};

// A line style in its own <LineStyle> element, the way styles, frame borders and printable
// areas hold it.
inline constexpr auto lineStyleRecord = [](auto& line, auto& io) { io.record("LineStyle", line, lineStyleFields); };

inline constexpr auto styleFields = [](auto& style, auto& io) {
    io.attribute("Key", style.Key);
    io.item("FontName", style.FontName);
    io.item("FontSize", style.FontSize);
    io.item("Bold", style.Bold);
    io.item("Italic", style.Italic);
    io.item("Underline", style.Underline);
    io.item("StrikeThru", style.Strikethru);
    io.item("ForeColor", style.ForeColor);
    io.item("BackColor", style.BackColor);
    io.item("LeadingType", style.LeadingType);
    io.item("LeadingVal", style.LeadingVal);
    io.item("TextRotation", style.TextRotation);
    io.item("Charset", style.Charset);
    io.item("Orientation", style.Orientation);
    io.item("FillStyle", style.FillStyle);
    io.item("FillColor", style.FillColor);
    lineStyleRecord(style.LineStyle, io);
    io.item("PageSize", style.PageSize);
};

void saveStyle(ItemWriter& out, const cStyle& style);
// Reads a "Style" element (its Key attribute and items).
cStyle loadStyle(const ItemReader& style);

}  // namespace kalder
