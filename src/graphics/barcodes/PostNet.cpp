// USPS POSTNET: five bars per digit, two of them tall, and a check digit that brings the
// digit sum to a multiple of ten, between two tall frame bars. '1' is a tall bar and '0' a
// short one; the renderer draws the '0's as light modules of full height.
#include "graphics/barcodes/Encoders.h"

#include <array>

#include "graphics/barcodes/Patterns.h"

namespace kalder::barcodes {
namespace {

constexpr std::array<const char*, 10> kPatterns = {"11000", "00011", "00101", "00110", "01001",
                                                   "01010", "01100", "10001", "10010", "10100"};

}  // namespace

std::string encodePostNet(std::string_view data) {
    const std::string digits = digitsOnly(data);
    std::string bars = "1";
    int sum = 0;
    for (const char d : digits) {
        sum += d - '0';
        bars += kPatterns[static_cast<std::size_t>(d - '0')];
    }
    bars += kPatterns[static_cast<std::size_t>((10 - sum % 10) % 10)];
    return bars + "1";
}

}  // namespace kalder::barcodes
