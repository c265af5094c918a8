// UPC-E (ISO/IEC 15420): a zero-suppressed UPC-A in six digits, all in number sets A and B;
// the number system and the check digit are carried only by the choice of sets.
//
// The check digit is the GS1 one of the number expanded to its UPC-A form, not a weighting
// of the seven digits as given: the two differ whenever the last digit is 0-4 (the expansion
// moves digits to positions of the other weight), and only the expanded form agrees with
// zint and with scanners, which check UPC-E through its UPC-A equivalent.
#include "graphics/barcodes/Encoders.h"

#include <array>

#include "graphics/barcodes/Patterns.h"

namespace kalder::barcodes {
namespace {

// By check digit: '0' = set B, '1' = set A for the six digits; number system 1 swaps them.
constexpr std::array<const char*, 10> kParity0 = {"000111", "001011", "001101", "001110", "010011",
                                                  "011001", "011100", "010101", "010110", "011010"};
constexpr std::array<const char*, 10> kParity1 = {"111000", "110100", "110010", "110001", "101100",
                                                  "100110", "100011", "101010", "101001", "100101"};

// The eleven digits of the UPC-A the seven stand for: the last digit says where the
// suppressed zeros go.
std::string expandToUpcA(const std::string& e) {
    const std::string ns = e.substr(0, 1);
    switch (e[6]) {
    case '0': case '1': case '2': return ns + e.substr(1, 2) + e[6] + "0000" + e.substr(3, 3);
    case '3': return ns + e.substr(1, 3) + "00000" + e.substr(4, 2);
    case '4': return ns + e.substr(1, 4) + "00000" + e[5];
    default: return ns + e.substr(1, 5) + "0000" + e[6];
    }
}

}  // namespace

std::string encodeUpcE(std::string_view data) {
    const std::string digits = digitsOnly(data);
    if (digits.size() != 7 || (digits[0] != '0' && digits[0] != '1'))
        fail("UPC E", std::string("UPC E encoding is limited to ") + "1 number system character (either 0 or 1) and " +
                          "6 numeric characters for the manufacturer and product.");
    const char check = gs1CheckDigit(expandToUpcA(digits));
    const auto& table = digits[0] == '0' ? kParity0 : kParity1;
    const char* parity = table[static_cast<std::size_t>(check - '0')];
    std::string modules = "101";
    for (std::size_t i = 0; i < 6; ++i) modules += numberSet(parity[i] == '0' ? 'B' : 'A', digits[i + 1]);
    return modules + "010101";
}

}  // namespace kalder::barcodes
