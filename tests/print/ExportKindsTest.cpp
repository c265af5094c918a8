// The file kinds print-to-file offers: which, in what order, with which filter and extension.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kalder/Enums.h"
#include "print/ExportKinds.h"
#include "support/TableTest.h"

using namespace kalder;

namespace {

std::vector<std::string> entries(int mask) {
    std::vector<std::string> out;
    for (const ExportKind& k : offeredExports(mask)) out.push_back(k.entry);
    return out;
}

struct ListRow {
    const char* name;
    int mask;
    std::vector<std::string> entries;
};

TEST(ExportKinds, OfferedInTheirOrder) {
    test::forEachRow<ListRow>(
        {
            {"all", 255, {"Structured file@49", "RTF file@73", "PDF file", "JPeg", "Bitmap@71"}},
            {"PDF and RTF", prELPDF + prELRTF, {"RTF file@73", "PDF file"}},
            {"HTML and text are never offered", prELHTML + prELText, {}},
            {"none", 0, {}},
            {"JPEG before bitmap", prELBitmap + prELJPEG, {"JPeg", "Bitmap@71"}},
        },
        [](const ListRow& row) { EXPECT_EQ(entries(row.mask), row.entries); });
}

TEST(ExportKinds, ItemDataIsTheBitLessOne) {
    for (const ExportKind& k : offeredExports(255)) EXPECT_EQ(k.itemData, k.bit - 1) << k.entry;
}

TEST(ExportKinds, FilterListsTheKindsThenAllFiles) {
    EXPECT_EQ(exportFilter(offeredExports(prELPDF + prELStructured)),
              "Structured file (*.xml);;PDF file (*.pdf);;All files (*.*)");
    EXPECT_EQ(exportFilter({}), "All files (*.*)");
}

struct NameRow {
    const char* name;
    std::string file;
    int itemData;
    std::string expected;
};

TEST(ExportKinds, DefaultExtensionOnlyWhenTheNameHasNone) {
    test::forEachRow<NameRow>(
        {
            {"pdf appended", "/tmp/report", 31, "/tmp/report.pdf"},
            {"xml appended", "out", 0, "out.xml"},
            {"html", "page", 3, "page.htm"},
            {"text", "page", 15, "page.txt"},
            {"bitmap", "img", 63, "img.bmp"},
            {"jpeg", "img", 127, "img.jpg"},
            {"rtf", "doc", 1, "doc.rtf"},
            {"a dot keeps the name", "report.txt", 31, "report.txt"},
            {"a dotted folder does not count", "/home/a.b/report", 31, "/home/a.b/report.pdf"},
            {"blank stays blank", "  ", 31, "  "},
            {"unknown kind adds nothing", "x", 5, "x"},
        },
        [](const NameRow& row) { EXPECT_EQ(withDefaultExtension(row.file, row.itemData), row.expected); });
}

TEST(ExportKinds, KindOfAChosenFile) {
    const auto all = offeredExports(255);
    EXPECT_EQ(itemDataOfFile("/x/y.PDF", all), 31);
    EXPECT_EQ(itemDataOfFile("a.jpeg", all), 127);
    EXPECT_EQ(itemDataOfFile("a.xml", all), 0);
    EXPECT_EQ(itemDataOfFile("a.htm", all), -1);  // not offered
    EXPECT_EQ(itemDataOfFile("a.pdf", offeredExports(prELRTF)), -1);
    EXPECT_EQ(itemDataOfFile("/x.pdf/name", all), -1);
    EXPECT_EQ(outputTypeOf(31), prOTPDFFile);
    EXPECT_EQ(outputTypeOf(3), prOTHTMLFile);
    EXPECT_EQ(outputTypeOf(2), 0);
}

}  // namespace
