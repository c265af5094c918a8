#include "export/PdfNumbers.h"

#include <charconv>
#include <cmath>

namespace kalder::pdf {

namespace {
void appendThousandths(std::string& out, std::int64_t thousandths) {
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

void appendTwips(std::string& out, std::int64_t twips) { appendThousandths(out, twips * 50); }

void appendFixed3(std::string& out, double value) {
    if (!std::isfinite(value)) value = 0;
    appendThousandths(out, static_cast<std::int64_t>(std::llround(value * 1000.0)));
}

}  // namespace kalder::pdf
