// Catching and matching AutomationErrors: every error site has its own number, source and
// description, and tests assert all three.
//
//   EXPECT_THAT(errorOf([&] { c.Add(1, "a"); }),
//               IsError(457, "FastCollection.Add", kDuplicateKeyText));
#pragma once

#include <gmock/gmock.h>

#include <optional>
#include <ostream>
#include <string>

#include "kalder/AutomationError.h"

namespace kalder {
inline void PrintTo(const AutomationError& e, std::ostream* os) {
    *os << "AutomationError{" << e.number() << ", \"" << e.source() << "\", \"" << e.description() << "\"}";
}
}  // namespace kalder

namespace kalder::test {

// The AutomationError the call raised; empty when it raised none. Other exceptions pass.
template <class F>
std::optional<AutomationError> errorOf(F&& call) {
    try {
        call();
    } catch (const AutomationError& e) {
        return e;
    }
    return std::nullopt;
}

MATCHER_P3(IsError, number, source, description,
           "raises error " + ::testing::PrintToString(number) + " from \"" + std::string(source) + "\": \"" +
               std::string(description) + "\"") {
    if (!arg) {
        *result_listener << "raised no error";
        return false;
    }
    return arg->number() == number && arg->source() == source && arg->description() == description;
}

// The run-time's texts for its standard numbers, as callers see them.
inline constexpr const char* kOverflowText = "Overflow";
inline constexpr const char* kTypeMismatchText = "Type mismatch";
inline constexpr const char* kInvalidCallText = "Invalid procedure call or argument";
inline constexpr const char* kBadIndexText = "Invalid property-array index";
inline constexpr const char* kReadOnlyText = "Set not supported (read-only property)";
inline constexpr const char* kDuplicateKeyText = "This key is already associated with an element of this collection";

}  // namespace kalder::test
