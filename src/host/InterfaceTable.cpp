// The compiled-in string table: one block per language, the text of interface id n in
// language L under table id L + n.
#include <map>

#include "host/InterfaceTexts.h"

namespace kalder {

namespace {

// English (block 0).
const std::map<std::int32_t, const char*>& englishBlock() {
    static const std::map<std::int32_t, const char*> t = {
        {0, "Kalder"},
        {1, "Zoom &Out"},
        {2, "&Zoom In"},
        {3, "&Print"},
        {4, "&Quit"},
        {5, "Page"},
        {6, "About"},
        {8, "Dri&ves :"},
        {9, "&Directories :"},
        {10, "List Files of &Type :"},
        {11, "File &Name :"},
        {12, "Print Setup"},
        {13, "Copies"},
        {14, "N&umber of copies"},
        {15, "Orientation"},
        {16, "&Landscape"},
        {17, "&Portrait"},
        {18, "Paper"},
        {19, "&Source"},
        {20, "Si&ze"},
        {21, "Page range"},
        {22, "&All"},
        {23, "Curr&ent page"},
        {24, "Enter page numbers and/or page ranges separated by commas.  For example: 1,3,5-12"},
        {25, "Printer"},
        {26, "Print to &file"},
        {27, "&Name"},
        {28, "Paper from the upper bin"},
        {29, "Paper from the lower bin"},
        {30, "Paper from the middle bin"},
        {31, "Manual insertion of each sheet"},
        {32, "Envelopes from the envelope feeder"},
        {33, "Paper from the current default bin"},
        {34, "Please wait"},
        {35, "Please wait : Reading file"},
        {36, "Change the current page"},
        {37, "Display the first page"},
        {38, "Display the previous page"},
        {39, "Display the next page"},
        {40, "Display the last page"},
        {41, "Zoom Out"},
        {42, "Zoom In"},
        {43, "Print the document"},
        {44, "Exit the preview display"},
        {45, "&OK"},
        {46, "&Cancel"},
        {47, "Select File"},
        {48, "Pa&ges"},
        {49, "Structured file"},
        {50, "Text file"},
        {51, "Printing..."},
        {53, "Double click to select a page"},
        {54, "Page Width"},
        {55, "Whole Page"},
        {56, "Two Pages"},
        {57, "Zoom control"},
        {58, "&Find"},
        {59, "Find"},
        {60, "&Find What :"},
        {61, "Search"},
        {62, "Current &Page"},
        {63, "&All pages"},
        {64, "Find Whole Word &Only"},
        {65, "Match Ca&se"},
        {66, "Find &Next"},
        {67, "Not found"},
        {68, "Find text in the document"},
        {69, "Please wait : Printing"},
        {70, "HTML file"},
        {71, "Bitmap file"},
        {72, "Custom button"},
        {73, "RTF file"},
        {74, "Setup"},
        {75, "Section"},
        {76, "Copy to Clipboard"},
        {77, "Mail the document"},
        {78, "Mail"},
        {79, "Send to the following emails. Separate multiple email addresses with a comma or semi-colon."},
        {80, "File Type :"},
        {81, "Send Mail"},
        {82, "To :"},
        {83, "Subject :"},
        {84, "Message :"},
        {85, "Attachments :"},
        {86, "Automatic send, no UI"},
        {87, "&Send EMail"},
        {88, "&Generate"},
        {89, "All pages"},
        {90, "Odd pages"},
        {91, "Even pages"},
        {92, "As Preview"},
        {93, "PDF file"},
        {94, "Print directly the document"},
        {95, "C&ollate Copies"},
        {96, "The Email has been sent to "},
        {97, "Email sent"},
    };
    return t;
}

}  // namespace

const char* tableText(std::int32_t tableId) {
    if (tableId >= 0 && tableId <= kMaxUserText) {
        const auto& t = englishBlock();
        auto it = t.find(tableId);
        return it == t.end() ? nullptr : it->second;
    }
    return nullptr;  // the other languages' blocks come with their translations
}

}  // namespace kalder
