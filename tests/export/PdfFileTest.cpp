// The PDF file as readers see it: structure of the simplest document, page sizes, the page
// limit, reproducible bytes, and failures that leave no file behind. Checked with qpdf and
// poppler's pdfinfo, which nobody here wrote.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <unistd.h>

#include "export/PdfFonts.h"
#include "export/PdfWriter.h"
#include "kalder/Preview.h"
#include "support/ErrorMatchers.h"

namespace fs = std::filesystem;
using kalder::test::errorOf;

namespace {

std::string run(const std::string& cmd) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((cmd + " 2>&1").c_str(), "r"), pclose);
    std::string out;
    std::array<char, 512> buf{};
    while (pipe && fgets(buf.data(), buf.size(), pipe.get())) out += buf.data();
    return out;
}

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct TempFile {
    fs::path path;
    explicit TempFile(const std::string& name)
        : path(fs::temp_directory_path() / ("kalder-pdf-" + std::to_string(::getpid()) + "-" + name)) {}
    ~TempFile() { fs::remove(path); }
};

void expectCleanQpdf(const fs::path& file) {
    const std::string out = run("qpdf --check '" + file.string() + "'");
    EXPECT_NE(out.find("No syntax or stream encoding errors found"), std::string::npos) << out;
    EXPECT_EQ(out.find("WARNING"), std::string::npos) << out;
}

TEST(PdfFile, OneEmptyPageHasExactlyTheObjectsAndCrossReferenceOfTheSimplestFile) {
    TempFile f("empty.pdf");
    kalder::Preview pv;
    pv.ExportPDF(f.path.string());
    expectCleanQpdf(f.path);
    const std::string pdf = slurp(f.path);
    ASSERT_EQ(pdf.rfind("%PDF-1.4 \r\n", 0), 0u);

    // Objects in file order: info, encoding, page, content, length, resources, catalog, pages.
    std::regex obj(R"((\d+) 0 obj\r\n)");
    std::vector<int> order;
    std::vector<std::size_t> at;
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), obj); it != std::sregex_iterator(); ++it) {
        order.push_back(std::stoi((*it)[1]));
        at.push_back(static_cast<std::size_t>(it->position()));
    }
    EXPECT_EQ(order, (std::vector<int>{1, 4, 6, 7, 8, 5, 2, 3}));

    // Nine cross-reference entries of twenty bytes, each pointing at its object.
    const std::size_t xref = pdf.find("xref\r\n0 9\r\n");
    ASSERT_NE(xref, std::string::npos);
    const std::size_t entries = xref + std::string("xref\r\n0 9\r\n").size();
    EXPECT_EQ(pdf.substr(entries, 20), "0000000000 65535 f\r\n");
    for (int n = 1; n <= 8; ++n) {
        const std::string entry = pdf.substr(entries + 20 * static_cast<std::size_t>(n), 20);
        ASSERT_EQ(entry.substr(10), " 00000 n\r\n") << entry;
        const std::size_t offset = std::stoul(entry.substr(0, 10));
        EXPECT_EQ(pdf.compare(offset, std::to_string(n).size() + 6, std::to_string(n) + " 0 obj"), 0) << n;
    }
    EXPECT_NE(pdf.find("startxref\r\n" + std::to_string(xref) + "\r\n%%EOF\r\n"), std::string::npos);
    EXPECT_NE(pdf.find("/Creator (Kalder)"), std::string::npos);
    EXPECT_NE(pdf.find("/Producer (Kalder "), std::string::npos);
}

TEST(PdfFile, TheCreatorComesFromTheDocumentInformation) {
    TempFile f("creator.pdf");
    kalder::Preview pv;
    pv.DocInfoSet("Creator", "Ledger 2");
    pv.DocInfoSet("Title", "Quarterly");
    pv.ExportPDF(f.path.string());
    const std::string info = run("pdfinfo '" + f.path.string() + "'");
    EXPECT_NE(info.find("Creator:         Ledger 2"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           Quarterly"), std::string::npos) << info;
}

struct PaperRow {
    const char* name;
    int paperSize;
    int orientation;
    const char* pdfinfoSize;  // as pdfinfo prints it
};

class PdfPageSize : public ::testing::TestWithParam<PaperRow> {};

TEST_P(PdfPageSize, PdfinfoReadsThePageSizeOfThePaper) {
    const PaperRow& row = GetParam();
    TempFile f(std::string(row.name) + ".pdf");
    kalder::Preview pv;
    pv.AddFirstPage(kalder::Variant::missing(), kalder::Variant::missing(), kalder::Variant::missing(),
                    kalder::Variant::missing(), kalder::Variant::missing(), kalder::Variant::missing(),
                    row.paperSize);
    pv.Orientation(row.orientation);
    pv.ExportPDF(f.path.string());
    expectCleanQpdf(f.path);
    const std::string info = run("pdfinfo '" + f.path.string() + "'");
    EXPECT_NE(info.find(std::string("Page size:       ") + row.pdfinfoSize), std::string::npos) << info;
}

INSTANTIATE_TEST_SUITE_P(
    Papers, PdfPageSize,
    ::testing::Values(PaperRow{"A4", kalder::prPSA4, kalder::prORPortrait, "595.5 x 841.9 pts (A4)"},
                      PaperRow{"A4Landscape", kalder::prPSA4, kalder::prORLandscape, "841.9 x 595.5 pts (A4)"},
                      PaperRow{"Letter", kalder::prPSLetter, kalder::prORPortrait, "612 x 792 pts (letter)"},
                      PaperRow{"Legal", kalder::prPSLegal, kalder::prORPortrait, "612 x 1008 pts"},
                      PaperRow{"A3", kalder::prPSA3, kalder::prORPortrait, "841.9 x 1190.55 pts (A3)"},
                      PaperRow{"A5Landscape", kalder::prPSA5, kalder::prORLandscape, "595.5 x 419.55 pts"},
                      PaperRow{"EnvelopeDL", kalder::prPSEnvDL, kalder::prORPortrait, "311.8 x 623.6 pts"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PdfFile, FiveThousandPagesAreWrittenAndOneMoreIsRefusedWithoutTouchingTheTarget) {
    TempFile f("limit.pdf");
    kalder::Preview pv;
    for (int i = 1; i < kalder::kMaxPdfPages; ++i) pv.AddPage();
    ASSERT_EQ(pv.TotalPages(), kalder::kMaxPdfPages);
    pv.ExportPDF(f.path.string());
    EXPECT_NE(run("pdfinfo '" + f.path.string() + "'").find("Pages:           5000"), std::string::npos);
    const auto size = fs::file_size(f.path);

    pv.AddPage();
    auto e = errorOf([&] { pv.ExportPDF(f.path.string()); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 9);
    EXPECT_EQ(e->source(), "ExportPDF");
    EXPECT_EQ(e->description(), "More than 5000 pages cannot be written to one PDF file");
    EXPECT_EQ(fs::file_size(f.path), size) << "the previous file stays as it was";
}

TEST(PdfFile, AFixedCreationDateGivesTheSameBytesTwice) {
    TempFile a("a.pdf"), b("b.pdf");
    kalder::Preview pv;
    pv.AddFrame("box", "1 in", "1 in", "2 in", "1 in");
    pv.ShowBorder(true);
    kalder::PdfOptions options;
    options.creationTime = 86400 * 365;
    kalder::PdfWriter(options).write(pv.document(), a.path.string());
    kalder::PdfWriter(options).write(pv.document(), b.path.string());
    EXPECT_EQ(slurp(a.path), slurp(b.path));
    EXPECT_NE(slurp(a.path).find("/CreationDate (D:1971"), std::string::npos);
}

TEST(PdfFile, AMissingFolderOrNameRaisesAndLeavesNothing) {
    kalder::Preview pv;
    auto missing = errorOf([&] { pv.ExportPDF(""); });
    EXPECT_THAT(missing, kalder::test::IsError(-69, "Kalder", "The filename is missing"));
    const fs::path dir = fs::temp_directory_path() / ("kalder-no-such-" + std::to_string(::getpid()));
    auto e = errorOf([&] { pv.ExportPDF((dir / "x.pdf").string()); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 75);
    EXPECT_FALSE(fs::exists(dir));
}

struct FontRow {
    const char* font;
    bool bold, italic;
    const char* base;
};

TEST(PdfFonts, BaseFontsFollowTheNameAndEmphasis) {
    const FontRow rows[] = {
        {"Courier New", false, false, "Courier"},
        {"Courier New", true, true, "Courier-BoldOblique"},
        {"Courier New", false, true, "Courier-Oblique"},
        {"Verdana", true, true, "Verdana,Bold"},
        {"Tahoma", true, false, "Tahoma,Bold"},
        {"Wingdings", true, false, "Wingdings-symbol"},
        {"Helvetica", true, true, "Helvetica-BoldOblique"},
        {"Times New Roman", false, false, "Times-Roman"},
        {"Times New Roman", true, true, "Times-BoldItalic"},
        {"ZapfDingbats", true, false, "ZapfDingbats"},
        {"Symbol", false, false, "Symbol"},
        {"Liberation Serif", true, true, "Arial,BoldItalic"},
        {"Arial", false, true, "Arial,Italic"},
        {"Garamond", false, false, "Arial"},
    };
    for (const FontRow& r : rows) {
        kalder::cStyle s;
        s.FontName = r.font;
        s.Bold = r.bold;
        s.Italic = r.italic;
        EXPECT_EQ(kalder::pdf::baseFontName(s), r.base) << r.font << " bold=" << r.bold << " italic=" << r.italic;
    }
}

TEST(PdfFonts, TheTrueTypeWidthTablesKeepTheirFixedWidths) {
    const auto verdana = kalder::pdf::widthsOf(*kalder::pdf::trueTypeFont("Verdana"));
    EXPECT_EQ(verdana[0], 1000);
    EXPECT_EQ(verdana[31], 1000);
    EXPECT_EQ(verdana[' '], 352);
    EXPECT_EQ(verdana['5'], 636);
    EXPECT_EQ(verdana['A'], 684);
    const auto bold = kalder::pdf::widthsOf(*kalder::pdf::trueTypeFont("Verdana,Bold"));
    EXPECT_EQ(bold[' '], 342);
    EXPECT_EQ(bold['0'], 711);
    EXPECT_EQ(bold['A'], 776);
    const auto tahoma = kalder::pdf::widthsOf(*kalder::pdf::trueTypeFont("Tahoma"));
    EXPECT_EQ(tahoma[' '], 313);
    EXPECT_EQ(tahoma['w'], 742);
    EXPECT_EQ(tahoma[128], 471);
    for (int c = 32; c < 127; ++c) EXPECT_GT(tahoma[c], 0) << "code " << c << " has a width";
    EXPECT_EQ(kalder::pdf::trueTypeFont("Arial"), nullptr);
}

}  // namespace
