#include "export/PdfNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kalder::pdf {

namespace {
// PDF readers take numbers up to 2^31 - 1 in magnitude; a larger one (a shape far off the page,
// an absurd font size) is written as the nearest they take rather than as digits they refuse.
constexpr std::int64_t kLargest = 2147483647;

void appendThousandths(std::string& out, std::int64_t thousandths) {
    thousandths = std::clamp(thousandths, -kLargest * 1000, kLargest * 1000);
    if (thousandths < 0) {
        out += '-';
        thousandths = -thousandths;
    }
    appendInt(out, thousandths / 1000);
    const int frac = static_cast<int>(thousandths % 1000);
    const char digits[4] = {'.', static_cast<char>('0' + frac / 100), static_cast<char>('0' + frac / 10 % 10),
                            static_cast<char>('0' + frac % 10)};
    out.append(digits, 4);
}
}  // namespace

void appendInt(std::string& out, std::int64_t value) {
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void appendTwips(std::string& out, std::int64_t twips) {
    appendThousandths(out, std::clamp<std::int64_t>(twips, -kLargest * 20, kLargest * 20) * 50);
}

void appendFixed3(std::string& out, double value) {
    if (!std::isfinite(value)) value = 0;
    value = std::clamp(value, -static_cast<double>(kLargest), static_cast<double>(kLargest));
    appendThousandths(out, static_cast<std::int64_t>(std::llround(value * 1000.0)));
}

}  // namespace kalder::pdf
