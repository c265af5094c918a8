// report-1000 through Kalder: 1,000 A4 pages of a ledger (header, rule, 50 body lines, footer
// "Page n of 1000"), built through the public API and written in the format the output's
// extension names: .pdf, .rtf, or .htm (one page file each, in the folder named as the output
// without its extension). The layout is the one the
// peer programs draw (see run_pdf_peers.sh). Prints the seconds it took.
// KALDER_BENCH_CYRILLIC=1 writes the corpus's letters in Cyrillic, one letter for each Latin
// one (bench/run_scripts.sh gives the cairo peer the same text).
//   usage: kalder_report1000 report-1000.txt out.pdf|out.rtf|out.htm
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "kalder/Preview.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: kalder_report1000 report-1000.txt out.pdf|out.rtf|out.htm\n";
        return 2;
    }
    const std::string output = argv[2];
    const std::string extension = output.substr(std::min(output.size(), output.rfind('.')));
    if (extension != ".pdf" && extension != ".rtf" && extension != ".htm") {
        std::cerr << "the output's extension names the format: .pdf, .rtf or .htm\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    // The corpus is read the way the C peer reads it: one buffer, its lines ended in place,
    // and a pointer to each, so that what the run holds besides the document is the same.
    std::ifstream in(argv[1], std::ios::binary | std::ios::ate);
    std::string corpus(in ? static_cast<std::size_t>(in.tellg()) : 0, '\0');
    in.seekg(0);
    in.read(corpus.data(), static_cast<std::streamsize>(corpus.size()));
    std::vector<const char*> lines;
    for (std::size_t at = 0; at < corpus.size();) {
        std::size_t end = corpus.find('\n', at);
        if (end == std::string::npos) end = corpus.size();
        else corpus[end] = '\0';
        lines.push_back(corpus.data() + at);
        at = end + 1;
    }
    if (lines.size() < 50000) {
        std::cerr << "the corpus has " << lines.size() << " lines, 50000 expected\n";
        return 1;
    }
    std::string cyrillic;
    if (std::getenv("KALDER_BENCH_CYRILLIC")) {
        // a..z and A..Z as the Cyrillic letters they are read as (x and q by one letter too).
        static const char* const kLower[26] = {"а", "б", "ц", "д", "е", "ф", "г", "х", "и", "й", "к", "л", "м",
                                               "н", "о", "п", "я", "р", "с", "т", "у", "в", "ш", "ж", "ы", "з"};
        static const char* const kUpper[26] = {"А", "Б", "Ц", "Д", "Е", "Ф", "Г", "Х", "И", "Й", "К", "Л", "М",
                                               "Н", "О", "П", "Я", "Р", "С", "Т", "У", "В", "Ш", "Ж", "Ы", "З"};
        cyrillic.reserve(corpus.size() * 2);
        std::vector<std::size_t> starts;
        for (const char* line : lines) {
            starts.push_back(cyrillic.size());
            for (const char* c = line; *c; ++c)
                cyrillic += *c >= 'a' && *c <= 'z' ? kLower[*c - 'a'] : *c >= 'A' && *c <= 'Z' ? kUpper[*c - 'A'] : std::string(1, *c);
            cyrillic += '\0';
        }
        for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = cyrillic.data() + starts[i];
    }
    kalder::Preview pv;
    pv.AddFirstPage(0, 0, 0, 0, kalder::Variant::missing(), kalder::Variant::missing(), kalder::prPSA4);
    constexpr int kPages = 1000, kLines = 50;
    for (int p = 1; p <= kPages; ++p) {
        if (p > 1) pv.AddPage();
        pv.CurrentFrame("WholePage");
        // Positions are the tops of the text cells: the peers' baselines less the font's ascent.
        pv.FontName("Arial");
        pv.FontBold(true);
        pv.FontUnderline(false);
        pv.FontSize(12);
        pv.AddTextAt("ACME Corp. Ledger Report 2024 - Section " + std::to_string((p - 1) / 10 + 1), "72 pt",
                     "49 pt", kalder::prALLeft, kalder::prASNone);
        pv.DrawWidth(10);
        pv.DrawLine("72 pt", "68 pt", "523.276 pt", "68 pt");
        pv.FontBold(false);
        pv.FontSize(10);
        std::string line;
        for (int i = 0; i < kLines; ++i)
            pv.AddTextAt(line.assign(lines[static_cast<std::size_t>((p - 1) * kLines + i)]), "72 pt",
                         std::to_string(81 + 12 * i) + " pt", kalder::prALLeft, kalder::prASNone);
        pv.FontSize(9);
        pv.AddPageNumberAt("Page ?? of 1000", "297.638 pt", "792 pt", false, kalder::prALCenter);
    }
    if (extension == ".rtf") {
        pv.ExportRTF(output);
    } else if (extension == ".htm") {
        pv.ExportHTML(output.substr(0, output.size() - extension.size()));
    } else {  // .pdf
        if (const char* level = std::getenv("KALDER_BENCH_PDF_LEVEL")) pv.PDFCompression(std::atoi(level));
        pv.ExportPDF(output);
    }
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.3f\n", s);
    return 0;
}
