// A call's outcome as one comparable text, so that a table row pins a result and an error
// alike: the result as text (numbers in the shortest form that reads back, with "." whatever
// the locale; booleans as True and False), or the automation error as "!number source:
// description", the source left out when empty and the description when it is the number's
// standard text.
//
//   EXPECT_EQ(outcomeOf([] { return Variant(2.5).toLong(); }), "2");
//   EXPECT_EQ(outcomeOf([] { return Variant(1e10).toLong(); }), "!6");
#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <type_traits>

#include "kalder/AutomationError.h"

namespace kalder::test {

inline std::string show(const std::string& text) { return text; }
inline std::string show(bool value) { return value ? "True" : "False"; }
template <class N, std::enable_if_t<std::is_arithmetic_v<N> && !std::is_same_v<N, bool>, int> = 0>
std::string show(N number) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, number).ptr);
}
inline std::string show(const std::optional<double>& number) { return number ? show(*number) : "none"; }

inline std::string errorText(const AutomationError& e) {
    std::string out = "!" + std::to_string(e.number());
    if (!e.source().empty()) out += " " + e.source();
    if (e.description() != standardErrorText(e.number())) out += ": " + e.description();
    return out;
}

template <class F>
std::string outcomeOf(F&& call) {
    try {
        return show(call());
    } catch (const AutomationError& e) {
        return errorText(e);
    }
}

}  // namespace kalder::test
