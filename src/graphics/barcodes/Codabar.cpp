// Codabar: start and stop characters A-D around digits and "-$:/.+"; no check character.
// Element patterns of the standard Codabar table (wide = two modules, as zint draws them).
#include "graphics/barcodes/Encoders.h"

#include <array>
#include <string_view>

#include "graphics/barcodes/Patterns.h"

namespace kalder::barcodes {
namespace {

constexpr const char* kSource = "CodaBar";
constexpr std::string_view kChars = "0123456789-$:/.+ABCD";
constexpr std::array<const char*, 20> kPatterns = {
    "0000011", "0000110", "0001001", "1100000", "0010010", "1000010", "0100001",
    "0100100", "0110000", "1001000", "0001100", "0011000", "1000101", "1010001",
    "1010100", "0010101", "0011010", "0101001", "0001011", "0001110"};

bool isStartStop(char c) { return c >= 'A' && c <= 'D'; }

}  // namespace

std::string encodeCodabar(std::string_view data) {
    // Only upper-case start/stop letters count: lower case is another character here.
    if (data.empty() || !isStartStop(data.front()) || !isStartStop(data.back()))
        fail(kSource, "Start/Stop Characters Not Found");
    std::string modules;
    for (const char c : data) {
        const std::size_t at = kChars.find(c);
        if (at == std::string_view::npos) fail(kSource, "Invalid Character Specified");
        appendElements(modules, kPatterns[at]);
        modules += '0';  // the narrow gap between characters; the last one stays too
    }
    return modules;
}

}  // namespace kalder::barcodes
