#include "Demo.h"

#include "kalder/Preview.h"

namespace kalder::app {

void buildDemo(Preview& pv) {
    pv.AddFirstPage("1 in", "1 in", "0.75 in", "0.75 in", "0.5 in", "0.5 in", prPSA4);
    pv.DocInfoSet("Title", "Kalder demo");
    pv.DocInfoSet("Author", "Kalder");

    pv.AddStyle("Title", "Arial", 24, true, false, false, 0x800000);
    pv.AddStyle("Body", "Times New Roman", "11 pt");
    pv.ModifyStyle("Body", "Leading", prLTPercent);
    pv.ModifyStyle("Body", "Val", 120);

    // Page 1: a title style, a boxed frame in the middle, a coloured line style.
    pv.ApplyStyle("Title");
    pv.AddFrame("summary", "1 in", "3 in", "6.27 in", "2 in");
    pv.ShowBorder(true);
    pv.BorderColor(0x808080);
    pv.ApplyStyle("Body");
    pv.LineColor(0x0000FF);
    pv.DrawWidth(20);

    // Page 2: landscape A5.
    pv.AddPage("15 mm", "15 mm", "15 mm", "15 mm", Variant::missing(), Variant::missing(), prPSA5);
    pv.Orientation(prORLandscape);
    pv.AddFrame("left", "15 mm", "15 mm", "9 cm", "10 cm");
    pv.FontItalic(true);
    pv.AddFrame("right", "11 cm", "15 mm", "9 cm", "10 cm");
    pv.FontBold(true);

    // Page 3: a copy of page 1's layout.
    pv.AddPageTemplate("Page 1");
    pv.CurrentFrame("header");
    pv.FontSize(9);
}

}  // namespace kalder::app
