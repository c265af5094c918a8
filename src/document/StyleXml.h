// XML forms of the attribute records.
//   <Style Key="name"> FontName FontSize Bold Italic Underline StrikeThru ForeColor BackColor
//     LeadingType LeadingVal TextRotation Charset Orientation FillStyle FillColor
//     <LineStyle> LineType LineWidth Color </LineStyle> PageSize </Style>
#pragma once

#include "document/XmlItems.h"
#include "core/cLineStyle.h"
#include "core/cStyle.h"

namespace kalder {

void saveLineStyle(ItemWriter& out, const cLineStyle& style);
// Reads the "LineStyle" child of `in` (defaults when absent).
cLineStyle loadLineStyle(const ItemReader& in);

void saveStyle(ItemWriter& out, const cStyle& style);
// Reads a "Style" element (its Key attribute and items).
cStyle loadStyle(const ItemReader& style);

}  // namespace kalder
