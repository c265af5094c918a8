// A letter poured from an RTF file (letter.rtf, beside this program's source) over as many
// pages as it needs. Usage: letter OUT.pdf
#include <iostream>

#include "kalder/Preview.h"

#ifndef KALDER_EXAMPLES
#define KALDER_EXAMPLES "."
#endif

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: letter OUT.pdf\n";
        return 2;
    }
    using namespace kalder;
    try {
        Preview pv;
        pv.AddFirstPage("2.5 cm", "2.5 cm", "2 cm", "2 cm", "0 cm", "0 cm", prPSA4);
        pv.DocInfoSet("Title", "Your order of 28 November");
        const std::string folder = KALDER_EXAMPLES;
        pv.DrawPicture(folder + "/logo.png", prSTInternal, pv.FrameWidth() - pv.C_Twips("3 cm"), 0, "3 cm", "1.5 cm");
        // The letter's own formatting starts from plain text, not from the page's heading style.
        pv.FontBold(false), pv.FontUnderline(false);
        pv.ShowRTF(folder + "/letter.rtf");
        pv.ExportPDF(argv[1]);
    } catch (const AutomationError& e) {
        std::cerr << "letter: error " << e.number() << " (" << e.source() << "): " << e.description() << '\n';
        return 1;
    }
    return 0;
}
