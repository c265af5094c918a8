#include "graphics/barcodes/Patterns.h"

#include <array>
#include <utility>

#include "graphics/barcodes/Symbol.h"
#include "kalder/AutomationError.h"

namespace kalder::barcodes {

void fail(const char* source, std::string text) { throw AutomationError(kEncodeError, source, std::move(text)); }

std::string digitsOnly(std::string_view data) {
    std::string digits;
    for (const char c : data)
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

void appendElements(std::string& modules, std::string_view pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char module = i % 2 == 0 ? '1' : '0';
        modules.append(pattern[i] == '1' ? 2 : 1, module);
    }
}

std::string_view numberSet(char set, char digit) {
    // Set A is the odd-parity left-hand set, B the even-parity left-hand set, C the
    // right-hand set (the complement of A), per ISO/IEC 15420.
    static constexpr std::array<const char*, 10> a = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                                      "0110001", "0101111", "0111011", "0110111", "0001011"};
    static constexpr std::array<const char*, 10> b = {"0100111", "0110011", "0011011", "0100001", "0011101",
                                                      "0111001", "0000101", "0010001", "0001001", "0010111"};
    static constexpr std::array<const char*, 10> c = {"1110010", "1100110", "1101100", "1000010", "1011100",
                                                      "1001110", "1010000", "1000100", "1001000", "1110100"};
    const auto& table = set == 'A' ? a : set == 'B' ? b : c;
    return table[static_cast<std::size_t>(digit - '0')];
}

char gs1CheckDigit(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += weight * (*it - '0');
        weight = 4 - weight;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string guardedHalves(std::string_view digits, std::string_view sets) {
    std::string modules = "101";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i == digits.size() / 2) modules += "01010";
        modules += numberSet(sets[i], digits[i]);
    }
    return modules + "101";
}

}  // namespace kalder::barcodes
