#include "kalder/Variant.h"

#include <cfloat>
#include <climits>
#include <cmath>

#include "core/Locale.h"
#include "kalder/AutomationError.h"

namespace kalder {

namespace {
[[noreturn]] void typeMismatch() { raiseStandard(err::TypeMismatch, ""); }
[[noreturn]] void overflow() { raiseStandard(err::Overflow, ""); }

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && lowerAscii(a) == lowerAscii(b);
}

// A string as a number: the locale's number format, or the words True and False.
std::optional<double> stringToNumber(const std::string& s) {
    if (auto v = parseNumber(s)) return v;
    std::string_view t = trimBlanks(s);
    if (equalsIgnoreCase(t, "true")) return -1.0;
    if (equalsIgnoreCase(t, "false")) return 0.0;
    return std::nullopt;
}
}  // namespace

std::int32_t roundToLong(double value) {
    if (std::isnan(value)) overflow();
    // nearbyint rounds half to even under the default rounding mode.
    double r = std::nearbyint(value);
    if (r < static_cast<double>(INT32_MIN) || r > static_cast<double>(INT32_MAX)) overflow();
    return static_cast<std::int32_t>(r);
}

Variant::Variant(long v) : Variant(static_cast<long long>(v)) {}

Variant::Variant(long long v) {
    if (v >= INT32_MIN && v <= INT32_MAX)
        value_ = static_cast<std::int32_t>(v);
    else
        value_ = static_cast<double>(v);
}

bool Variant::isNumber() const noexcept {
    switch (type()) {
        case Type::Boolean:
        case Type::Integer:
        case Type::Long:
        case Type::Single:
        case Type::Double:
        case Type::Date: return true;
        default: return false;
    }
}

bool Variant::isNumeric() const noexcept {
    if (isNumber() || isEmpty()) return true;
    if (isString()) return parseNumber(std::get<std::string>(value_)).has_value();
    return false;
}

double Variant::toDouble() const {
    switch (type()) {
        case Type::Empty: return 0;
        case Type::Boolean: return std::get<bool>(value_) ? -1 : 0;
        case Type::Integer: return std::get<std::int16_t>(value_);
        case Type::Long: return std::get<std::int32_t>(value_);
        case Type::Single: return std::get<float>(value_);
        case Type::Double: return std::get<double>(value_);
        case Type::Date: return std::get<DateValue>(value_).serial;
        case Type::String: {
            auto v = stringToNumber(std::get<std::string>(value_));
            if (!v) typeMismatch();
            if (std::isinf(*v)) overflow();
            return *v;
        }
        default: typeMismatch();
    }
}

float Variant::toSingle() const {
    if (type() == Type::Single) return std::get<float>(value_);
    double v = toDouble();
    if (std::isnan(v)) return NAN;
    if (std::fabs(v) > FLT_MAX) overflow();
    return static_cast<float>(v);
}

std::int32_t Variant::toLong() const {
    if (type() == Type::Long) return std::get<std::int32_t>(value_);
    return roundToLong(toDouble());
}

std::int16_t Variant::toInteger() const {
    std::int32_t v = toLong();
    if (v < INT16_MIN || v > INT16_MAX) overflow();
    return static_cast<std::int16_t>(v);
}

bool Variant::toBool() const {
    switch (type()) {
        case Type::Boolean: return std::get<bool>(value_);
        case Type::String: {
            auto v = stringToNumber(std::get<std::string>(value_));
            if (!v) typeMismatch();
            return *v != 0;
        }
        default: return toDouble() != 0;
    }
}

std::string Variant::toString() const {
    switch (type()) {
        case Type::Empty: return "";
        case Type::Boolean: return std::get<bool>(value_) ? "True" : "False";
        case Type::Integer: return std::to_string(std::get<std::int16_t>(value_));
        case Type::Long: return std::to_string(std::get<std::int32_t>(value_));
        case Type::Single: return formatNumber(std::get<float>(value_), 7);
        case Type::Double: return formatNumber(std::get<double>(value_), 15);
        case Type::Date: {
            // Whole days since 1899-12-30 as an ISO date; a time part is added when present.
            double serial = std::get<DateValue>(value_).serial;
            auto days = static_cast<long long>(std::floor(serial));
            int secs = static_cast<int>(std::lround((serial - std::floor(serial)) * 86400.0));
            if (secs == 86400) {  // within half a second of midnight: the next day
                ++days;
                secs = 0;
            }
            // Civil-from-days (H. Hinnant), epoch shifted from 1970-01-01 to 1899-12-30.
            long long z = days - 25569 + 719468;
            long long era = (z >= 0 ? z : z - 146096) / 146097;
            long long doe = z - era * 146097;
            long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
            long long y = yoe + era * 400;
            long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
            long long mp = (5 * doy + 2) / 153;
            long long d = doy - (153 * mp + 2) / 5 + 1;
            long long m = mp < 10 ? mp + 3 : mp - 9;
            if (m <= 2) ++y;
            char buf[96];
            if (secs == 0)
                std::snprintf(buf, sizeof buf, "%04lld-%02lld-%02lld", y, m, d);
            else
                std::snprintf(buf, sizeof buf, "%04lld-%02lld-%02lld %02d:%02d:%02d", y, m, d, secs / 3600,
                              secs / 60 % 60, secs % 60);
            return buf;
        }
        case Type::String: return std::get<std::string>(value_);
        default: typeMismatch();
    }
}

const std::shared_ptr<Object>& Variant::toObject() const {
    if (type() != Type::Object) typeMismatch();
    return std::get<std::shared_ptr<Object>>(value_);
}

const Variant::Array& Variant::array() const {
    if (type() != Type::Array) typeMismatch();
    return std::get<Array>(value_);
}

}  // namespace kalder
