// What a barcode encoder hands to the renderer: rows of modules, '1' dark and '0' light,
// all of equal pitch. A linear symbol has one row; a QR Code has n rows of n modules.
// Encoders are pure functions of the data (no Qt, no drawing), as in zint, so that the
// renderer and every exporter stay ignorant of symbologies.
//
// encode() raises AutomationError(kEncodeError, <symbology>, <text>) when the data cannot be
// encoded; each symbology has its own source name and fixed texts (see Encoders.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalder::barcodes {

struct Symbol {
    std::vector<std::string> rows;  // '1' dark, '0' light; linear kinds have one row
};

// The object-error base 0x80040000 plus 600, as a signed 32-bit number (-2147220904).
constexpr std::int32_t kEncodeError = static_cast<std::int32_t>(0x80040258);

// The modules of `data` in symbology `type` (a BarCodeType value). `checkDigit` is used by
// Code 39 and ITF only, `qrLevel` (an eQRLevel value) by the QR Code only. An unknown type
// gives a Symbol without rows.
Symbol encode(std::int32_t type, std::string_view data, bool checkDigit, std::int32_t qrLevel = 1);

}  // namespace kalder::barcodes
