// Switches one locale category of the C library for the lifetime of the object and puts the
// previous setting back, so a test can pin the decimal mark ("." or ",") whatever locale
// the whole run uses.
#pragma once

#include <clocale>
#include <string>

#include "core/Locale.h"

namespace kalder::test {

class ScopedLocale {
public:
    explicit ScopedLocale(const char* name, int category = LC_NUMERIC) : category_(category) {
        const char* current = std::setlocale(category, nullptr);
        saved_ = current ? current : "C";
        ok_ = std::setlocale(category, name) != nullptr;
    }
    ~ScopedLocale() { std::setlocale(category_, saved_.c_str()); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    // False when the locale is not installed; the category is then unchanged.
    bool ok() const noexcept { return ok_; }

private:
    int category_;
    std::string saved_;
    bool ok_ = false;
};

// A locale with "." and one with "," as the decimal mark; the test runs need both.
inline constexpr const char* kPointLocale = "C.UTF-8";
inline constexpr const char* kCommaLocale = "de_DE.UTF-8";

// A text written with "." as the decimal mark, in the mark of the locale in force.
inline std::string withMark(std::string text) {
    for (char& c : text)
        if (c == '.') c = decimalMark();
    return text;
}

}  // namespace kalder::test
