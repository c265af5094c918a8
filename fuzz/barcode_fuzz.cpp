// libFuzzer target for the barcode encoders: whatever the data, type, check-digit switch and
// QR level, encoding gives modules or raises the encoder error naming the symbology. Modules
// are '0' and '1' in rows of one length; a linear symbol is one row that begins and ends with
// a bar, and EAN/UPC symbols have their fixed widths; a QR Code is a square of a version's
// size with a finder pattern in its corner. The public module count agrees.
// Seeds: fuzz/corpus/barcode/.
#include <string>

#include "FuzzSupport.h"
#include "graphics/barcodes/Symbol.h"
#include "kalder/Enums.h"
#include "kalder/Preview.h"

namespace {

using kalder::fuzz::check;

// The source every encoder error names, by BarCodeType; the widths of fixed-size symbols.
struct Kind {
    const char* source;
    std::size_t width;  // 0: depends on the data
};
constexpr Kind kKinds[] = {{"CodaBar", 0}, {"3 of 9", 0},  {"EAN 8", 67}, {"EAN 13", 95}, {"ITF", 0},
                           {"PostNet", 0}, {"UPC A", 95}, {"UPC E", 51}, {"Code 128", 0}, {"QR Code", 0}};
constexpr std::int32_t kKindCount = sizeof kKinds / sizeof kKinds[0];

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kalder::fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    kalder::fuzz::Bytes in(data, size);
    // Mostly the known types; now and then one beyond them.
    const std::uint8_t pick = in.byte();
    const std::int32_t type = pick < 0xF0 ? pick % kKindCount : static_cast<std::int32_t>(pick) - 0x100;
    const std::uint8_t options = in.byte();
    const bool checkDigit = (options & 1) != 0;
    const std::int32_t qrLevel = static_cast<std::int8_t>(options) >> 1;
    const std::string text = in.rest();

    kalder::barcodes::Symbol symbol;
    try {
        symbol = kalder::barcodes::encode(type, text, checkDigit, qrLevel);
    } catch (const kalder::AutomationError& e) {
        check(type >= 0 && type < kKindCount, "only a known symbology raises");
        check(e.number() == kalder::barcodes::kEncodeError, "the encoder error number");
        check(e.source() == kKinds[type].source, "the encoder error names its symbology");
        check(!e.description().empty(), "the encoder error says why");
        return 0;
    }
    if (type < 0 || type >= kKindCount) {
        check(symbol.rows.empty(), "an unknown type gives no rows");
        return 0;
    }
    check(!symbol.rows.empty() && !symbol.rows[0].empty(), "a symbol has modules");
    const std::size_t width = symbol.rows[0].size();
    for (const std::string& row : symbol.rows) {
        check(row.size() == width, "rows are of one length");
        check(row.find_first_not_of("01") == std::string::npos, "modules are 0 or 1");
    }
    if (type == kalder::prQRCode) {
        check(symbol.rows.size() == width && width >= 21 && width <= 177 && (width - 21) % 4 == 0,
              "a QR Code is a square of a version's size");
        check(symbol.rows[0].compare(0, 7, "1111111") == 0, "a QR Code has its finder pattern");
    } else {
        check(symbol.rows.size() == 1, "a linear symbol is one row");
        // Codabar keeps the gap after its last character.
        check(symbol.rows[0].front() == '1' && symbol.rows[0].find_last_of('1') + 2 >= width,
              "a linear symbol begins and ends with a bar");
        check(kKinds[type].width == 0 || width == kKinds[type].width, "a fixed-size symbol has its width");
    }

    static const kalder::Preview preview;
    check(preview.BarCodeModules(text, type, checkDigit, qrLevel) == static_cast<std::int32_t>(width),
          "the public module count is the symbol's width");
    return 0;
}
