// One encoder per symbology, each a pure function from data to modules ('1' dark, '0' light).
// Every encoder raises AutomationError(kEncodeError, source, text) on data it cannot encode;
// the source is the symbology's name below and the texts are fixed per error site.
//
//   encodeCodabar   "CodaBar"  "Start/Stop Characters Not Found", "Invalid Character Specified"
//   encodeCode39    "3 of 9"   "3 of 9 barcodes are limited to 32 characters.",
//                              "Invalid Character Specified"
//   encodeEan8      "EAN 8"    (length other than 7 digits)
//   encodeEan13     "EAN 13"   (length other than 12 digits)
//   encodeUpcA      "UPC A"    (length other than 11 digits)
//   encodeUpcE      "UPC E"    (length other than 7 digits, or number system not 0 or 1)
//   encodeCode128   "Code 128" "Invalid Character Specified" (a byte above 127),
//                              "There is no data to encode."
//   encodeQrCode    "QR Code"  "The data is too long for a QR Code symbol.",
//                              "There is no data to encode."
//
// Symbologies that take digits only (EAN, UPC, ITF, POSTNET) drop every other character
// before counting, so "12-34-567" is seven digits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalder::barcodes {

std::string encodeCodabar(std::string_view data);
std::string encodeCode39(std::string_view data, bool checkDigit);
std::string encodeEan8(std::string_view data);
std::string encodeEan13(std::string_view data);
std::string encodeItf(std::string_view data, bool checkDigit);
std::string encodePostNet(std::string_view data);
std::string encodeUpcA(std::string_view data);
std::string encodeUpcE(std::string_view data);
std::string encodeCode128(std::string_view data);

// The matrix of the smallest QR Code version holding `data` as 8-bit bytes (any UTF-8
// survives unchanged) at error-correction `level` (an eQRLevel value: L, M, Q, H = 0..3);
// a level outside 0..3 is taken as M. One string per row, n rows of n modules.
std::vector<std::string> encodeQrCode(std::string_view data, std::int32_t level);

}  // namespace kalder::barcodes
