// Code 39 (ISO/IEC 16388): nine elements per character, three of them wide, framed by the
// start/stop character "*"; an optional modulo-43 check character.
#include "graphics/barcodes/Encoders.h"

#include <array>
#include <string_view>

#include "graphics/barcodes/Patterns.h"

namespace kalder::barcodes {
namespace {

constexpr const char* kSource = "3 of 9";
constexpr std::size_t kMaxLength = 32;
// Index = character value; "_" stands for the space, which is swapped in before lookup.
constexpr std::string_view kChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-._$/+%";
constexpr std::array<const char*, 43> kPatterns = {
    "000110100", "100100001", "001100001", "101100000", "000110001", "100110000", "001110000", "000100101",
    "100100100", "001100100", "100001001", "001001001", "101001000", "000011001", "100011000", "001011000",
    "000001101", "100001100", "001001100", "000011100", "100000011", "001000011", "101000010", "000010011",
    "100010010", "001010010", "000000111", "100000110", "001000110", "000010110", "110000001", "011000001",
    "111000000", "010010001", "110010000", "011010000", "010000101", "110000100", "011000100", "010101000",
    "010100010", "010001010", "000101010"};
constexpr const char* kStartStop = "010010100";

void appendCharacter(std::string& modules, std::string_view pattern) {
    appendElements(modules, pattern);
    modules += '0';  // narrow gap after every character, the stop included
}

}  // namespace

std::string encodeCode39(std::string_view data, bool checkDigit) {
    if (data.size() > kMaxLength) fail(kSource, "3 of 9 barcodes are limited to 32 characters.");
    std::string modules;
    appendCharacter(modules, kStartStop);
    std::size_t sum = 0;
    for (char c : data) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c == ' ') c = '_';
        const std::size_t value = kChars.find(c);
        if (value == std::string_view::npos) fail(kSource, "Invalid Character Specified");
        sum += value;
        appendCharacter(modules, kPatterns[value]);
    }
    if (checkDigit) appendCharacter(modules, kPatterns[sum % 43]);
    appendCharacter(modules, kStartStop);
    return modules;
}

}  // namespace kalder::barcodes
