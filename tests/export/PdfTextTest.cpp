// Text runs as a reader extracts them: escaped characters, Windows-1252 characters, and the
// characters that encoding does not have, counted.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "kalder/Preview.h"

namespace fs = std::filesystem;

namespace {

std::string pdftotext(const std::string& pdf) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(("pdftotext -enc UTF-8 '" + pdf + "' -").c_str(), "r"), pclose);
    std::string out;
    std::array<char, 512> buf{};
    while (pipe && fgets(buf.data(), buf.size(), pipe.get())) out += buf.data();
    return out;
}

TEST(PdfText, ParenthesesBackslashesAndWindows1252CharactersReadBackAsWritten) {
    const std::string pdf = (fs::temp_directory_path() / ("kalder-text-" + std::to_string(::getpid()) + ".pdf")).string();
    kalder::Preview pv;
    pv.FontUnderline(false);
    pv.AddTextAt("f(x) = (a) \\ b)");
    pv.AddTextAt("Caf\xC3\xA9 costs 5 \xE2\x82\xAC \xE2\x80\x94 \xE2\x80\x9Cquoted\xE2\x80\x9D");
    pv.AddTextAt("Omega \xCE\xA9 and alpha \xCE\xB1");
    pv.ExportPDF(pdf);
    const std::string text = pdftotext(pdf);
    fs::remove(pdf);
    EXPECT_NE(text.find("f(x) = (a) \\ b)"), std::string::npos) << text;
    EXPECT_NE(text.find("Caf\xC3\xA9 costs 5 \xE2\x82\xAC \xE2\x80\x94 \xE2\x80\x9Cquoted\xE2\x80\x9D"), std::string::npos)
        << text;
    EXPECT_NE(text.find("Omega ? and alpha ?"), std::string::npos) << text;
    EXPECT_EQ(pv.PDFReplacedCharacters(), 2);
}

}  // namespace
