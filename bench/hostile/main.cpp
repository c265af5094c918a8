// Inputs that once cost far more than their size, timed through the public API
// (run_hostile.sh compares each pair):
//   fonts N one|distinct   a paragraph of N words, each in its own font tag, all one family or
//                          N different (unknown) family names; times laying it out and
//                          drawing its page as an image
//   chain N                N references, each to the one before, the first to a text; times
//                          drawing the page as an image
//   rtf MB FILE            writes an RTF file of about MB megabytes to FILE and times pouring
//                          it into pages with ShowRTF
// Prints the seconds the timed part took.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "kalder/Enums.h"
#include "kalder/Preview.h"

using kalder::Preview;

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void render(Preview& pv, const std::string& out) {
    pv.OutputFile(out);
    pv.EndDocument(kalder::prOTBITMAPFile);
}

double fonts(int n, bool distinct) {
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "<ff " + (distinct ? "Family " + std::to_string(i) : std::string("Arial")) + ">word" + std::to_string(i) + " ";
    const auto start = Clock::now();
    Preview pv;
    pv.AddPage();
    pv.ParaText(text);
    render(pv, "/tmp/kalder-hostile-fonts.bmp");
    return since(start);
}

double chain(int n) {
    Preview pv;
    pv.AddPage();
    pv.AddTextAt("x", 0, 100, kalder::prALLeft, kalder::prASNone);
    for (int i = 1; i < n; ++i) pv.AddReference("Page 1", "inside", "El " + std::to_string(i));
    const auto start = Clock::now();
    render(pv, "/tmp/kalder-hostile-chain.bmp");
    return since(start);
}

double rtf(int megabytes, const std::string& file) {
    {
        std::ofstream out(file, std::ios::binary);
        out << "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}{\\f1 Arial;}}\r\n";
        const std::string paragraph =
            "Lorem ipsum dolor sit amet, {\\b consectetur} adipiscing elit, sed do {\\i eiusmod tempor} incididunt ut "
            "labore et dolore magna aliqua. {\\f1 Ut enim ad minim veniam}, quis nostrud exercitation ullamco.\\par\r\n";
        for (std::size_t written = 0; written < static_cast<std::size_t>(megabytes) << 20; written += paragraph.size())
            out << paragraph;
        out << "}";
    }
    const auto start = Clock::now();
    Preview pv;
    pv.ShowRTF(file);
    const double seconds = since(start);
    std::fprintf(stderr, "%d pages\n", pv.TotalPages());
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    double seconds = 0;
    if (mode == "fonts" && argc == 4) seconds = fonts(std::atoi(argv[2]), std::string(argv[3]) == "distinct");
    else if (mode == "chain" && argc == 3) seconds = chain(std::atoi(argv[2]));
    else if (mode == "rtf" && argc == 4) seconds = rtf(std::atoi(argv[2]), argv[3]);
    else {
        std::cerr << "usage: kalder_hostile fonts N one|distinct | chain N | rtf MB FILE\n";
        return 2;
    }
    std::printf("%.3f\n", seconds);
    return 0;
}
