// Interleaved 2 of 5 (ISO/IEC 16390): digits in pairs, the first digit's five elements
// drawn as bars and the second's as the spaces between them. Wide elements are two modules.
#include "graphics/barcodes/Encoders.h"

#include <array>

#include "graphics/barcodes/Patterns.h"

namespace kalder::barcodes {
namespace {

constexpr std::array<const char*, 10> kPatterns = {"00110", "10001", "01001", "11000", "00101",
                                                   "10100", "01100", "00011", "10010", "01010"};

const char* pattern(char digit) { return kPatterns[static_cast<std::size_t>(digit - '0')]; }

}  // namespace

std::string encodeItf(std::string_view data, bool checkDigit) {
    std::string digits = digitsOnly(data);
    const std::size_t counted = digits.size();
    if (digits.size() % 2 == 1) digits.insert(digits.begin(), '0');
    if (checkDigit) {
        // Weights 3, 1, 3, ... from the left over the first `counted` characters of the padded
        // string: an odd input counts the padding zero and leaves its own last digit out. This
        // is not the ISO/IEC 16390 check that zint draws; it is kept as it is so that existing
        // documents print the same bars.
        int sum = 0;
        for (std::size_t i = 0; i < counted; ++i) sum += (i % 2 == 0 ? 3 : 1) * (digits[i] - '0');
        digits += static_cast<char>('0' + (10 - sum % 10) % 10);
    }
    std::string elements;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const char* bars = pattern(digits[i]);
        // The check digit always leaves one digit without a partner: its bars are separated
        // by narrow spaces, so the bar/space alternation holds to the stop pattern.
        const char* spaces = i + 1 < digits.size() ? pattern(digits[i + 1]) : "00000";
        for (int k = 0; k < 5; ++k) {
            elements += bars[k];
            elements += spaces[k];
        }
    }
    std::string modules = "1010";
    appendElements(modules, elements);
    return modules + "1101";
}

}  // namespace kalder::barcodes
