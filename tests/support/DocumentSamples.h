// Sample documents for suites that need a document using much of what the library carries.
#pragma once

#include "kalder/Enums.h"
#include "kalder/Preview.h"

namespace kalder::test {

// A document using what the format carries: bands, a bordered frame, style changes, a named
// style with odd characters in its key, a landscape user-sized page, a page template,
// information items with markup characters, blanks, line ends, and a current position.
inline void buildRichDocument(Preview& pv) {
    pv.AddFirstPage("1 in", "1 in", "0.5 in", "0.5 in", "0.5 in", "0.25 in"); pv.FontBold(false);
    pv.LeadingType(prLTAbsolute); pv.LeadingVal(1.0 / 3); pv.FontSize(10.5);
    pv.AddFrame("Box & \"1\"", "1 in", "2 in", "3 in", "1 in"); pv.ShowBorder(true); pv.BorderColor(255);
    pv.FontItalic(true); pv.TextRotation(-900); pv.AddStyle("Q&A \"x\" <y>", "Courier New", 24, true);
    pv.ModifyStyle("Q&A \"x\" <y>", "Val", 2.75); pv.ModifyStyle("Q&A \"x\" <y>", "FontStrikeThru", true);
    pv.ModifyStyle("Normal", "FontSize", 10.33); pv.AddPage(); pv.PageWidth(10000); pv.PageHeight(5000);
    pv.PageSize(prPSUserDefine); pv.Orientation(prORLandscape);
    auto page2 = pv.document().currentPage();
    page2->ShowPrintable = true;
    page2->Printable = {1, 10, 128};
    page2->PageNoType = prPTRoman;
    pv.CurrentPage("Page 1"); pv.AddPageTemplate(); pv.DocInfoSet("Title", "R&D <draft> \"v2\" 'q'");
    pv.DocInfoSet("Note", "  two\nlines\r\nand\ttabs  "); pv.DocInfoSet("Empty", ""); pv.DocInfoSet("Blanks", "   ");
    pv.CurrentPage("Page 2"); pv.CurrentFrame("WholePage"); pv.CurrentX(100); pv.CurrentY(-200);
}

}  // namespace kalder::test
