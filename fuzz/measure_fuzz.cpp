// libFuzzer target for measures ("2cm", "1.5 in", "10pt", "0,5 mm", numbers): whatever the
// text, a measure gives a finite number of twips or raises one of its own errors (1000 unknown
// unit, 13 no number, 6 overflow); the whole-twip form is that number rounded; and "." and ","
// read alike under a "." and a "," locale, so the answer does not depend on the locale.
// Seeds: fuzz/corpus/measure/.
#include <clocale>
#include <cmath>
#include <cstring>
#include <optional>

#include "FuzzSupport.h"
#include "core/Twips.h"
#include "kalder/Preview.h"

namespace {

using kalder::fuzz::check;

struct Outcome {
    std::optional<float> twips;
    std::optional<std::int32_t> whole;
    std::int32_t error = 0;  // of CTwips
    std::int32_t wholeError = 0;
};

Outcome measure(const kalder::Variant& v) {
    static const kalder::Preview preview;
    Outcome o;
    try {
        o.twips = kalder::CTwips(v);
    } catch (const kalder::AutomationError& e) {
        o.error = e.number();
    }
    try {
        o.whole = preview.C_Twips(v);
    } catch (const kalder::AutomationError& e) {
        o.wholeError = e.number();
    }
    return o;
}

bool commaLocale = false;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kalder::fuzz::startQt();
    commaLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    std::setlocale(LC_NUMERIC, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 256) return 0;
    kalder::fuzz::Bytes in(data, size);
    // The first byte picks a number Variant (its bits as a double or a single) or, mostly, a
    // string.
    kalder::Variant v;
    const std::uint8_t kind = in.byte();
    if (kind == 0xFF) {
        const std::uint64_t high = in.word();
        const std::uint64_t bits = high << 32 | in.word();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        v = kalder::Variant(d);
    } else if (kind == 0xFE) {
        const std::uint32_t bits = in.word();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        v = kalder::Variant(f);
    } else {
        v = kalder::Variant(in.rest());
    }

    const Outcome o = measure(v);
    check(o.twips || o.error == 1000 || o.error == 13 || o.error == 6, "a measure error is 1000, 13 or 6");
    check(!o.twips || std::isfinite(*o.twips), "a measure is finite");
    if (o.twips) {
        const double t = *o.twips;
        const bool fits = std::fabs(t) < 2147483647.0;
        check(!o.whole || std::fabs(*o.whole - t) <= 0.5, "whole twips are the measure rounded");
        check(o.whole || o.wholeError == 6, "whole twips fail only on overflow");
        check(!fits || o.whole, "a measure within 32 bits rounds");
    } else {
        check(!o.whole && o.wholeError == o.error, "whole twips fail as the measure does");
    }

    if (commaLocale) {
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
        const Outcome c = measure(v);
        std::setlocale(LC_NUMERIC, "C");
        check(c.error == o.error && c.twips == o.twips, "a measure reads alike under \".\" and \",\"");
    }
    return 0;
}
