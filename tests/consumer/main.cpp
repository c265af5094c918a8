// Builds a one-page document through the public headers only and writes it as PDF and XML;
// prints what it wrote. Errors reach the caller as AutomationError.
#include <iostream>

#include "kalder/Preview.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    try {
        kalder::Preview pv;
        pv.AddFirstPage("1 in", "1 in", "1 in", "1 in");
        pv.AddTextAt("Hello from a consumer of kalder");
        pv.DrawLine("1 in", "2 in", "4 in", "2 in");
        pv.ExportPDF(std::string(argv[1]) + ".pdf");
        pv.SaveXML(std::string(argv[1]) + ".xml");
        std::cout << pv.TotalPages() << " page\n";
    } catch (const kalder::AutomationError& e) {
        std::cerr << e.number() << " " << e.description() << '\n';
        return 1;
    }
    return 0;
}
