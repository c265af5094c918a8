// kalder::Variant: the value type of the automation interface. It holds one of empty,
// missing (an optional argument the caller left out), boolean, 16- and 32-bit integers,
// single, double, date, string, object or an array of variants, and converts between them
// with the rules callers of an automation interface expect:
//  - numbers round to integers half to even (2.5 -> 2, 3.5 -> 4);
//  - a result outside the target type raises error 6 "Overflow";
//  - a value that cannot become the target type raises error 13 "Type mismatch";
//  - True is -1 as a number; strings convert in the user locale's number format
//    (the decimal mark of the C library's LC_NUMERIC locale).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kalder {

// Base of the objects a Variant can carry (collections and the like).
class Object {
public:
    virtual ~Object() = default;
};

class Variant {
public:
    enum class Type { Empty, Missing, Boolean, Integer, Long, Single, Double, Date, String, Object, Array };

    struct DateValue {
        double serial = 0;  // days since 1899-12-30, the fraction is the time of day
        friend bool operator==(DateValue, DateValue) = default;
    };
    using Array = std::vector<Variant>;

    Variant() noexcept = default;
    Variant(bool v) : value_(v) {}
    Variant(std::int16_t v) : value_(v) {}
    Variant(int v) : value_(std::int32_t{v}) {}
    Variant(long v);        // a Long when it fits 32 bits, otherwise a Double
    Variant(long long v);   // likewise
    Variant(float v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(const char* v) : value_(std::string(v ? v : "")) {}
    Variant(std::string v) : value_(std::move(v)) {}
    Variant(std::string_view v) : value_(std::string(v)) {}
    Variant(std::shared_ptr<Object> v) : value_(std::move(v)) {}
    Variant(Array v) : value_(std::move(v)) {}

    // The value of an optional argument that the caller did not give.
    static Variant missing() { Variant v; v.value_ = MissingTag{}; return v; }
    static Variant date(double serial) { Variant v; v.value_ = DateValue{serial}; return v; }

    Type type() const noexcept { return static_cast<Type>(value_.index()); }
    bool isEmpty() const noexcept { return type() == Type::Empty; }
    bool isMissing() const noexcept { return type() == Type::Missing; }
    bool isString() const noexcept { return type() == Type::String; }
    bool isObject() const noexcept { return type() == Type::Object; }
    bool isArray() const noexcept { return type() == Type::Array; }
    // A number type (boolean and date included), not a numeric string.
    bool isNumber() const noexcept;
    // A number, or a string that converts to one.
    bool isNumeric() const noexcept;

    bool toBool() const;
    std::int16_t toInteger() const;
    std::int32_t toLong() const;
    float toSingle() const;
    double toDouble() const;
    std::string toString() const;
    const std::shared_ptr<Object>& toObject() const;  // error 13 unless an object
    const Array& array() const;                       // error 13 unless an array

    template <class T>
    std::shared_ptr<T> objectAs() const { return std::dynamic_pointer_cast<T>(toObject()); }

    friend bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }

private:
    struct MissingTag {
        friend bool operator==(MissingTag, MissingTag) = default;
    };

    std::variant<std::monostate, MissingTag, bool, std::int16_t, std::int32_t, float, double, DateValue,
                 std::string, std::shared_ptr<Object>, Array>
        value_;
};

// Rounds half to even and checks the 32-bit range (error 6 outside it).
std::int32_t roundToLong(double value);

}  // namespace kalder
