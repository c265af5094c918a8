// EAN-13 (ISO/IEC 15420): the first of the twelve data digits is not drawn as bars but
// chosen by the pattern of number sets A and B over the next six digits.
#include "graphics/barcodes/Encoders.h"

#include <array>

#include "graphics/barcodes/Patterns.h"

namespace kalder::barcodes {
namespace {

// By first digit: the number set of each of the other twelve digits, '0' = A, '1' = B, '2' = C.
constexpr std::array<const char*, 10> kParity = {
    "000000222222", "001011222222", "001101222222", "001110222222", "010011222222",
    "011001222222", "011100222222", "010101222222", "010110222222", "011010222222"};

}  // namespace

std::string encodeEan13(std::string_view data) {
    std::string digits = digitsOnly(data);
    if (digits.size() != 12) fail("EAN 13", "The string to encode is limited to 12 characters.");
    digits += gs1CheckDigit(digits);
    std::string sets = kParity[static_cast<std::size_t>(digits[0] - '0')];
    for (char& set : sets) set = static_cast<char>('A' + (set - '0'));
    return guardedHalves(std::string_view(digits).substr(1), sets);
}

}  // namespace kalder::barcodes
