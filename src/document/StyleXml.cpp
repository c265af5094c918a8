#include "document/StyleXml.h"

namespace kalder {

void saveLineStyle(ItemWriter& out, const cLineStyle& style) {
    out.open("LineStyle");
    out.item("LineType", style.LineType);
    out.item("LineWidth", style.LineWidth);
    out.item("Color", style.Color);
    out.close();
}

cLineStyle loadLineStyle(const ItemReader& in) {
    ItemReader ls = in.child("LineStyle");
    cLineStyle s;
    if (!ls.exists()) return s;
    s.LineType = ls.Long("LineType");
    s.LineWidth = ls.Long("LineWidth");
    s.Color = ls.Long("Color");
    return s;
}

void saveStyle(ItemWriter& out, const cStyle& s) {
    out.open("Style", {{"Key", s.Key}});
    out.item("FontName", s.FontName);
    out.item("FontSize", s.FontSize);
    out.item("Bold", s.Bold);
    out.item("Italic", s.Italic);
    out.item("Underline", s.Underline);
    out.item("StrikeThru", s.Strikethru);
    out.item("ForeColor", s.ForeColor);
    out.item("BackColor", s.BackColor);
    out.item("LeadingType", s.LeadingType);
    out.item("LeadingVal", s.LeadingVal);
    out.item("TextRotation", s.TextRotation);
    out.item("Charset", s.Charset);
    out.item("Orientation", s.Orientation);
    out.item("FillStyle", s.FillStyle);
    out.item("FillColor", s.FillColor);
    saveLineStyle(out, s.LineStyle);
    out.item("PageSize", s.PageSize);
    out.close();
}

cStyle loadStyle(const ItemReader& in) {
    // A missing item gives 0, false or "", not the defaults of a new record.
    cStyle s;
    s.Key = in.attribute("Key");
    s.FontName = in.String("FontName");
    s.FontSize = in.Single("FontSize");
    s.Bold = in.Boolean("Bold");
    s.Italic = in.Boolean("Italic");
    s.Underline = in.Boolean("Underline");
    s.Strikethru = in.Boolean("StrikeThru");
    s.ForeColor = in.Long("ForeColor");
    s.BackColor = in.Long("BackColor");
    s.LeadingType = in.Long("LeadingType");
    s.LeadingVal = in.Double("LeadingVal");
    s.TextRotation = in.Long("TextRotation");
    s.Charset = in.Long("Charset");
    s.Orientation = in.Long("Orientation");
    s.FillStyle = in.Long("FillStyle");
    s.FillColor = in.Long("FillColor");
    s.LineStyle = loadLineStyle(in);
    s.PageSize = in.Long("PageSize");
    return s;
}

}  // namespace kalder
