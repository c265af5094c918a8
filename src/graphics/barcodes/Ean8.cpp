// EAN-8 (ISO/IEC 15420): seven data digits and the GS1 check digit, four in number set A
// left of the centre guard and four in set C right of it.
#include "graphics/barcodes/Encoders.h"

#include "graphics/barcodes/Patterns.h"

namespace kalder::barcodes {

std::string encodeEan8(std::string_view data) {
    std::string digits = digitsOnly(data);
    if (digits.size() != 7)
        fail("EAN 8", "The string to encode is limited to 7. The check digit is added automatically.");
    digits += gs1CheckDigit(digits);
    return guardedHalves(digits, "AAAACCCC");
}

}  // namespace kalder::barcodes
