// Barcode encoders: module strings against the ones zint draws, every error with its exact
// number, source and text, the length boundaries side by side, and the shape of QR Codes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bitset>
#include <cctype>
#include <regex>

#include "graphics/barcodes/Encoders.h"
#include "graphics/barcodes/Symbol.h"
#include "kalder/Enums.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"
#include "support/Tools.h"

namespace kalder::barcodes {
namespace {

using test::forEachRow;

struct Row { const char* name; std::int32_t type; std::string data; bool check = false; };

std::string withoutTrailingLight(std::string modules) { return modules.erase(modules.find_last_of('1') + 1); }

// The modules zint draws for a row, in our convention. `zint --dump` prints each row as hex
// digits of four modules, without quiet zones; ITF wide elements are three modules there,
// POSTNET is two rows (the tall bars alone, then every bar) with a space after each bar.
std::string zintModules(const Row& row) {
    static const char* const names[] = {"CODABAR", "CODE39", "EANX", "EANX", "C25INTER",
                                        "POSTNET", "UPCA",   "UPCE", "CODE128"};
    std::string escaped;  // every character as \xNN, so no shell quoting matters
    const char* const hex = "0123456789ABCDEF";
    for (const unsigned char c : row.data) escaped += {'\\', 'x', hex[c >> 4], hex[c & 15]};
    const test::ToolResult r = test::runTool(std::string("zint --dump --esc -b ") + names[row.type] +
                                             (row.check ? " --vers=1" : "") + " -d '" + escaped + "'");
    EXPECT_EQ(r.status, 0) << r.output;
    std::vector<std::string> rows(1);
    for (const char c : r.output) {
        if (c == '\n') rows.emplace_back();
        if (std::isxdigit(static_cast<unsigned char>(c)))
            rows.back() += std::bitset<4>(std::stoul(std::string(1, c), nullptr, 16)).to_string();
    }
    std::string modules = rows[0];
    if (row.type == prITF)  // zint's wide elements are three modules, ours two
        modules = std::regex_replace(std::regex_replace(modules, std::regex("111"), "11"), std::regex("000"), "00");
    if (row.type == prPostNet) {  // the tall bars, one character per bar
        std::string tall;
        for (std::size_t i = 0; i < modules.size(); i += 2) tall += modules[i];
        modules = tall;
    }
    return withoutTrailingLight(modules);
}

TEST(BarcodeEncoders, ModulesAgreeWithZint) {
    forEachRow<Row>(
        {{"EAN-8", prEAN8, "1234567"}, {"EAN-8, other digits", prEAN8, "9638507"},
         {"EAN-13, first digit 1", prEAN13, "123456789012"}, {"EAN-13, first digit 9", prEAN13, "978014300723"},
         {"EAN-13, twelve zeros: check digit 0", prEAN13, "000000000000"},
         {"UPC-A", prUPCA, "01234567890"}, {"UPC-A, other digits", prUPCA, "72527273070"},
         // Endings 0-4 tell the GS1 check of the expanded UPC-A from a check over the seven digits.
         {"UPC-E ending 0", prUPCE, "0123450"}, {"UPC-E ending 1", prUPCE, "0123451"},
         {"UPC-E ending 2", prUPCE, "0654322"}, {"UPC-E ending 3", prUPCE, "0125343"},
         {"UPC-E ending 4, number system 1", prUPCE, "1012344"}, {"UPC-E ending 5", prUPCE, "0123455"},
         {"UPC-E ending 9, number system 1", prUPCE, "1987659"},
         {"Code 39", prCode39, "CODE 39"}, {"Code 39, lower case", prCode39, "kalder 1.5"},
         {"Code 39, every special character", prCode39, "A-B.C D$E/F+G%"}, {"with check", prCode39, "CODE 39", true},
         {"Code 39, 32 characters", prCode39, "0123456789ABCDEFGHIJKLMNOPQRSTUV"},
         {"Code 39 with check, 32 characters", prCode39, "WXYZ-. $/+%0123456789ABCDEFGHIJK", true},
         {"Codabar", prCodaBar, "A40156B"}, {"Codabar, every symbol", prCodaBar, "C-$:/.+D"},
         {"Codabar, every digit", prCodaBar, "D0123456789A"}, {"POSTNET, ZIP", prPostNet, "12345"},
         {"ITF", prITF, "1234"}, {"ITF, odd count: leading zero", prITF, "123"}, {"ITF, ten", prITF, "0123456789"},
         {"POSTNET, ZIP+4", prPostNet, "123456789"}, {"Code 128, two digits: C", prCode128, "12"},
         {"Code 128, even digits: C", prCode128, "1234"},
         {"Code 128, odd digits: last one in B", prCode128, "123456789"},
         {"Code 128, letters: B", prCode128, "Kalder"}, {"Code 128, space", prCode128, "Hello World"},
         {"Code 128, digit run at the end", prCode128, "abc12345"}, {"Code 128, line end", prCode128, "Code 128\r\n"},
         {"Code 128, digit run inside text", prCode128, "AB123456CD"}, {"odd run", prCode128, "ab1234567cd"},
         {"Code 128, control first: A", prCode128, "\tAB"}, {"then lower case", prCode128, "\x01\x02" "abc"},
         {"Code 128, shift for one control", prCode128, "a\tb"}, {"two: change to A", prCode128, "ab\t\tcd"}},
        [](const Row& row) {
            const Symbol symbol = encode(row.type, row.data, row.check);
            ASSERT_EQ(symbol.rows.size(), 1u);
            EXPECT_EQ(withoutTrailingLight(symbol.rows[0]), zintModules(row));
        });
}

// Where the rules demand an outcome zint does not give (or rejects the data), the two sides.
struct SameRow { const char* name; std::string got, want; };

std::string withoutStop(std::string itf) { return itf.erase(itf.size() - 4); }

TEST(BarcodeEncoders, ExactOutcomes) {
    forEachRow<SameRow>(
        {{"EAN-8 drops non-digits before counting", encodeEan8("12-34-567"), encodeEan8("1234567")},
         {"UPC-A drops non-digits before counting", encodeUpcA("0 12345 67890"), encodeUpcA("01234567890")},
         {"Code 39 upper-cases", encodeCode39("abc", false), encodeCode39("ABC", false)},
         {"Code 39 takes _ as the space", encodeCode39("A_B", true), encodeCode39("A B", true)},
         {"Codabar and Code 39 end with the gap after the stop",
          std::string{encodeCodabar("A1B").back(), encodeCode39("A", false).back()}, "00"},
         {"ITF, three digits get a leading zero", encodeItf("123", false), encodeItf("0123", false)},
         // The check goes over the two digits as given (3*1 + 1*2 = 5) and is appended; the
         // lone digit's bars stand between narrow spaces.
         {"ITF check over two digits", encodeItf("12", true),
          withoutStop(encodeItf("12", false)) + "110101101010" + "1101"},
         // "123" is padded to "0123"; the check covers "012" (3*0 + 1 + 3*2 = 7): 3.
         {"ITF check over the padded digits", encodeItf("123", true),
          withoutStop(encodeItf("0123", false)) + "110110101010" + "1101"},
         {"POSTNET: one character per bar, check 9, tall frame", encodePostNet("1"), "1" "00011" "10100" "1"},
         // zint 2.11 starts in B and shifts for the tab: one symbol longer (both decode alike).
         {"Code 128 starts in A for a control character before lower case", encodeCode128("7B0\t9").substr(0, 11),
          "11010000100"}},
        [](const SameRow& row) { EXPECT_EQ(row.got, row.want); });
}

struct ErrorRow {
    const char* name; std::int32_t type; std::string data; const char* source; const char* text; bool check = false;
};

TEST(BarcodeEncoders, ErrorsHaveTheirNumberSourceAndText) {
    const char* const upca =
        "UPC A encoding is limited to 1 number system character and 10 characters for the manufacturer and product.";
    const char* const upce = "UPC E encoding is limited to 1 number system character (either 0 or 1) and 6 numeric "
                             "characters for the manufacturer and product.";
    const char* const ean13 = "The string to encode is limited to 12 characters.";
    const char* const tooLong = "The data is too long for a QR Code symbol.";
    const char* const ean8 = "The string to encode is limited to 7. The check digit is added automatically.";
    const char* const code39 = "3 of 9 barcodes are limited to 32 characters.";
    forEachRow<ErrorRow>(
        {{"Codabar without start/stop", prCodaBar, "123", "CodaBar", "Start/Stop Characters Not Found"},
         {"Codabar, lower-case start", prCodaBar, "a123B", "CodaBar", "Start/Stop Characters Not Found"},
         {"Codabar, empty", prCodaBar, "", "CodaBar", "Start/Stop Characters Not Found"},
         {"Codabar, invalid inside", prCodaBar, "A1*2B", "CodaBar", "Invalid Character Specified"},
         {"Code 39, 33 characters", prCode39, std::string(33, 'A'), "3 of 9", code39},
         {"Code 39, *", prCode39, "AB*C", "3 of 9", "Invalid Character Specified"},
         {"Code 39, non-ASCII", prCode39, "\xC3\xA9", "3 of 9", "Invalid Character Specified", true},
         {"EAN-8, 6 digits", prEAN8, "123456", "EAN 8", ean8}, {"EAN-8, 8 digits", prEAN8, "12345678", "EAN 8", ean8},
         {"EAN-13, 11 digits", prEAN13, "12345678901", "EAN 13", ean13},
         {"EAN-13, 13 digits", prEAN13, "1234567890128", "EAN 13", ean13},
         {"UPC-A, 10", prUPCA, "1234567890", "UPC A", upca}, {"UPC-A, 12", prUPCA, "123456789012", "UPC A", upca},
         {"UPC-E, number system 2", prUPCE, "2123456", "UPC E", upce}, {"UPC-E, 6", prUPCE, "012345", "UPC E", upce},
         {"Code 128, empty", prCode128, "", "Code 128", "There is no data to encode."},
         {"Code 128, UTF-8 letter", prCode128, "Gr\xC3\xBC\xC3\x9F" "e", "Code 128", "Invalid Character Specified"},
         {"QR Code, empty", prQRCode, "", "QR Code", "There is no data to encode."},
         {"QR Code, 1274 bytes at H", prQRCode, std::string(1274, 'a'), "QR Code", tooLong},
         {"QR Code, 8000 bytes", prQRCode, std::string(8000, 'a'), "QR Code", tooLong}},
        [](const ErrorRow& row) {
            EXPECT_THAT(test::errorOf([&] { encode(row.type, row.data, row.check, prQRLevelH); }),
                        test::IsError(kEncodeError, row.source, row.text));
        });
    EXPECT_EQ(kEncodeError, -2147220904);
}

// Scanners read the symbols (BarcodeElementTest); here the size and what the level changes.
TEST(BarcodeEncoders, QrCodeShape) {
    const auto qr = [](const std::string& data, std::int32_t l) { return encode(prQRCode, data, false, l).rows; };
    const std::vector<std::string> l = qr("Kalder", prQRLevelL);
    EXPECT_EQ(l.size() * 100 + l.back().size(), 2121u);  // version 1
    EXPECT_TRUE(l != qr("Kalder", prQRLevelM) && qr("Kalder", prQRLevelM) != qr("Kalder", prQRLevelQ) &&
                qr("Kalder", prQRLevelQ) != qr("Kalder", prQRLevelH));
    EXPECT_EQ(qr("Kalder", 7), qr("Kalder", prQRLevelM));  // out of range: M
    EXPECT_EQ(qr(std::string(1273, 'a'), prQRLevelH).size(), 177u);  // version 40 holds 1273 bytes at H
    EXPECT_TRUE(encode(42, "1234567", false).rows.empty());
}

}  // namespace
}  // namespace kalder::barcodes
