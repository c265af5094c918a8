// UPC-A (ISO/IEC 15420): eleven data digits and the GS1 check digit, six in number set A
// and six in set C; the EAN-13 of a leading zero draws the same bars.
#include "graphics/barcodes/Encoders.h"

#include "graphics/barcodes/Patterns.h"

namespace kalder::barcodes {

std::string encodeUpcA(std::string_view data) {
    std::string digits = digitsOnly(data);
    if (digits.size() != 11)
        fail("UPC A", std::string("UPC A encoding is limited to ") +
                          "1 number system character and 10 characters for the manufacturer and product.");
    digits += gs1CheckDigit(digits);
    return guardedHalves(digits, "AAAAAACCCCCC");
}

}  // namespace kalder::barcodes
