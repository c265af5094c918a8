// Report cell texts: numbers and percent as printf groups them, currency as Python's locale
// module places it, dates as date(1) writes them; patterns, column formats and the values no
// format takes in tables. Everything runs in the locale of the test run ("." or ",").
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "kalder/Enums.h"
#include "kalder/Recordset.h"
#include "reports/ValueFormat.h"
#include "support/CoreOutcome.h"
#include "support/ScopedLocale.h"
#include "support/TableTest.h"
#include "support/Tools.h"

namespace kalder {
namespace {

using namespace test;
using V = Variant;

// What a command prints in the locale of the test (its last newline dropped).
std::string tool(const std::string& command, std::string locale = std::setlocale(LC_NUMERIC, nullptr)) {
    std::string out = runTool("LC_ALL=" + locale + " " + command).output;
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

TEST(ValueFormat, NumbersAndPercentAsPrintfGroupsThem) {
    struct Row { const char* name; double value; int digits; bool percent; };
    forEachRow<Row>({{"millions", 1234567.891, 2, false}, {"negative", -9876543.21, 1, false},
                     {"no digits", 1234.4, 0, false}, {"below one", 0.071, 3, false},
                     {"percent", 0.125, 1, true}, {"percent grouped", -123.45678, 2, true}}, [](const Row& r) {
        const std::string f = "\"%'." + std::to_string(r.digits) + "f\" ";
        const std::string expected = tool("env printf " + f + show(r.percent ? r.value * 100 : r.value));
        EXPECT_EQ(formatEntry(r.value, r.percent ? prFMPercent : prFMNumber, r.digits),
                  expected + (r.percent ? "%" : ""));
        EXPECT_EQ(formatPattern(r.value, r.percent ? "#,##0.0%" : "#,##0.000"),
                  tool("env printf " + std::string(r.percent ? "\"%'.1f%%\" " : "\"%'.3f\" ") +
                       show(r.percent ? r.value * 100 : r.value)));
    });
}

TEST(ValueFormat, CurrencyAsPythonPlacesIt) {
    for (const char* name : {kCommaLocale, "en_US.UTF-8"}) {
        ScopedLocale locale(name, LC_ALL);
        const std::string python = "import locale; locale.setlocale(locale.LC_ALL, '" + std::string(name) +
                                   "'); print(*(locale.currency(v, grouping=True)"
                                   " for v in (-1234567.891, 0.5, 42)), sep='|')";
        EXPECT_EQ(formatEntry(-1234567.891, prFMCurrency, V()) + "|" + formatEntry(0.5, prFMCurrency, V()) + "|" +
                      formatEntry(42, prFMCurrency, V()),
                  tool("python3 -c \"" + python + "\"", name));
    }
    ScopedLocale c(kPointLocale, LC_ALL);  // no currency of its own: dollars as en_US writes them
    EXPECT_EQ(formatEntry(-1234.5, prFMCurrency, V()), "-$1234.50");
    EXPECT_EQ(formatEntry(-1234.5, prFMCurrency, V::Array{0, V(), true}), "($1235)");
}

TEST(ValueFormat, DatesAsDateWritesThem) {
    const std::string iso = "2024-03-05 08:05:09";
    const double serial = std::stod(tool("TZ=UTC date -d '" + iso + "' +%s", "C")) / 86400 + 25569;
    const bool dayFirst = decimalMark() == ',';
    const std::string dateOf = "date -d '" + iso + "' ";
    const std::string x = tool(dateOf + "+%x"), X = tool(dateOf + "+%X");
    const std::string longDate = tool(dateOf + (dayFirst ? "'+%A, %-d. %B %Y'" : "'+%A, %B %-d, %Y'"));
    const std::string named[] = {x + " " + X, longDate, x, X, "08:05"};
    struct Row { const char* name; V value; };
    forEachRow<Row>({{"date", V::date(serial)}, {"serial", serial}, {"iso", iso}, {"iso T", "2024-03-05T08:05:09"}},
                    [&](const Row& r) {
        for (int n = 0; n < 5; ++n) EXPECT_EQ(formatEntry(r.value, prFMDateTime, n), named[n]) << n;
        EXPECT_EQ(formatPattern(r.value, "dddd mmmm ddd mmm"), tool(dateOf + "'+%A %B %a %b'"));
    });
    EXPECT_EQ(formatEntry(V::date(0.75), prFMDateTime, V()), "18:00:00");          // time only
    EXPECT_EQ(formatEntry("2024-03-05", prFMDateTime, V()), tool(dateOf + "+%x"));  // date only
}

TEST(ValueFormat, Patterns) {
    struct Row { const char* name; V value; const char* pattern; const char* expected; };
    const double when = 45356 + (8 * 3600 + 5 * 60 + 9) / 86400.0;  // 2024-03-05 08:05:09
    forEachRow<Row>({
        {"zeros pad", 5, "000", "005"}, {"hash drops zero", 0.5, "#.##", ".5"}, {"mark stays", 1, "0.##", "1."},
        {"half away from zero", 2.5, "0", "3"}, {"fifteen digits", 1.005, "0.00", "1.01"},
        {"percent", 0.1234, "0.0%", "12.3%"}, {"negative section", -5, "0;(0)", "(5)"},
        {"zero section", 0, "0;(0);\"nil\"", "nil"}, {"empty negative section", -5, "0;;z", "-5"},
        {"rounds to zero", -0.001, "0.00", "0.00"}, {"scientific", 12345.678, "0.00E+00", "1.23E+04"},
        {"small scientific", 0.00012345, "0.0e-0", "1.2e-4"}, {"literals", 5, "\"$\"0 \\x", "$5 x"},
        {"digits left of places", 5551234, "(###) ###-####", "() 555-1234"}, {"no whole places", 12.5, ".00", "12.50"},
        {"thousands scale", 1234567, "0,,", "1"}, {"numeric text", "2.5", "0.00", "2.50"},
        {"text with number pattern", "abc", "0.00", "abc"}, {"NaN", NAN, "0.00", "NaN"},
        {"Fixed", 1234.5, "fixed", "1234.50"}, {"Percent", 0.5, "Percent", "50.00%"},
        {"Scientific", 1234.5, "Scientific", "1.23E+03"}, {"General Number", 1234.5, "General Number", "1234.5"},
        {"Yes/No", 0, "Yes/No", "No"}, {"On/Off", 2, "ON/OFF", "On"}, {"True/False", true, "True/False", "True"},
        {"right fill", "abc", "@@@@@", "  abc"}, {"left fill", "abc", "!@@@@@", "abc  "},
        {"more than places", "abcdef", "@@@", "abcdef"}, {"upper", "abc", ">", "ABC"}, {"lower", "ÄbC", "<", "äbc"},
        {"places and literals", "5551234", "@@@-@@@@", "555-1234"}, {"ampersand", "ab", "&&&&", "ab"},
        {"number as text", 42, "@@@@", "  42"}, {"empty text section", "", "@;\"none\"", "none"},
        {"iso", V::date(when), "yyyy-mm-dd hh:nn:ss", "2024-03-05 08:05:09"}, {"short", when, "d/m/yy", "5/3/24"},
        {"m after h", when, "h:m m", "8:5 3"}, {"AM/PM", when + 0.5, "h:mm AM/PM", "8:05 PM"},
        {"a/p", when, "hh a/p", "08 a"}, {"day of year", when, "y", "65"},
        {"iso text", "2024-03-05", "yyyymmdd", "20240305"},
        {"Short Time", when, "short time", "08:05"}, {"Medium Time", when, "Medium Time", "08:05 AM"},
        {"date pattern on text", "abc", "yyyy", "abc"}, {"date out of range", 1e10, "yyyy", "10000000000"},
        {"empty", V(), "0.00", ""},
    }, [](const Row& r) {
        const V value = r.value.isString() ? V(withMark(r.value.toString())) : r.value;
        EXPECT_EQ(formatPattern(value, r.pattern), withMark(r.expected));
    });
}

TEST(ValueFormat, ColumnFormats) {
    struct Row { const char* name; V value; std::int32_t type; V fmt; const char* expected; };
    constexpr const char* k13 = "!13 FormatEntry: Error in Format";
    forEachRow<Row>({
        {"general", 2.5, prFMGeneral, V(), "2.5"}, {"general pattern", 5, prFMGeneral, "000", "005"},
        {"general text", "x", prFMGeneral, V::Array{2}, "x"}, {"empty cell", V(), prFMCurrency, 2, ""},
        {"switches", -0.25, prFMNumber, V::Array{1, false, true, false}, "(.3)"},
        {"digits as text", 0.125, prFMPercent, "1", "12.5%"}, {"default digits", 1, prFMNumber, -1, "1.00"},
        {"99 digits", 1, prFMNumber, 99, nullptr}, {"100 digits", 1, prFMNumber, 100, k13},
        {"-2 digits", 1, prFMNumber, -2, k13}, {"pattern as digits", 1, prFMNumber, "#,##0", k13},
        {"text with pattern", "abc", prFMNumber, ">", "ABC"}, {"text with digits", "abc", prFMNumber, 2, "abc"},
        {"text as percent", "abc", prFMPercent, 2, k13}, {"text as currency", "abc", prFMCurrency, 2, k13},
        {"text as date", "2024-02-30", prFMDateTime, 0, k13},
        {"short time", V::date(0.75), prFMDateTime, V::Array{4}, "18:00"},
        {"9999-12-31", 2958465.5, prFMDateTime, 4, "12:00"}, {"10000-01-01", 2958466, prFMDateTime, 0, k13},
        {"named 5", 1, prFMDateTime, 5, k13}, {"infinity", INFINITY, prFMNumber, 2, k13},
        {"array value", V::Array{1}, prFMGeneral, V(), k13}, {"format type 5", 1, 5, V(), k13},
    }, [](const Row& r) {
        const V value = r.value.isString() ? V(withMark(r.value.toString())) : r.value;
        const std::string out = outcomeOf([&] { return formatEntry(value, r.type, r.fmt); });
        if (r.expected) EXPECT_EQ(out, withMark(r.expected));
        else EXPECT_EQ(out.size(), 101u) << out;
    });
}

TEST(ValueFormat, DefaultArguments) {
    struct Row { const char* name; std::int32_t type; const char* expected; };
    constexpr const char* k0 = "0 True False True";
    constexpr const char* k2 = "2 True False True";
    forEachRow<Row>({{"integer", fieldtype::Integer, k0}, {"big", fieldtype::BigInt, k0},
                     {"double", fieldtype::Double, k2}, {"currency", fieldtype::Currency, k2}, {"date", fieldtype::Date, "0"},
                     {"text", fieldtype::Text, "none"}, {"boolean", fieldtype::Boolean, "none"}},
                    [](const Row& r) {
        const V v = defaultFormatArguments(r.type);
        std::string text = v.isEmpty() ? "none" : "";
        if (v.isArray())
            for (const V& item : v.array()) text += (text.empty() ? "" : " ") + item.toString();
        EXPECT_EQ(text, r.expected);
    });
}

// Patterns of 300,000 characters finish at once: every engine is one pass over the pattern.
TEST(ValueFormat, LongPatternsAndHugeNumbers) {
    const std::size_t n = 300'000;
    EXPECT_EQ(formatPattern(5, std::string(n, '0')).size(), n);
    EXPECT_EQ(formatPattern(5, "0" + std::string(n, ',')), "0");
    EXPECT_EQ(formatPattern(5, "0" + std::string(n, '%')).size(), 2 * n + n + 1);
    EXPECT_EQ(formatPattern(5, "0.0E+" + std::string(n, '0')).size(), n + 5);
    EXPECT_GT(formatPattern(V::date(1), std::string(n, 'd')).size(), n);
    EXPECT_EQ(formatPattern("x", std::string(n, '@')).size(), n);
    EXPECT_EQ(formatPattern(5, std::string(n, '"')), "");
    EXPECT_EQ(formatEntry(1e300, prFMNumber, V::Array{2, true, false, false}),
              "1" + std::string(300, '0') + withMark(".00"));
    EXPECT_EQ(formatPattern(-1e308, "0").size(), 310u);
}

}  // namespace
}  // namespace kalder
