// The one error type of the component: an automation error with a number, a source and a
// description, as callers of an automation interface expect them. Every failure the
// public interface reports is an AutomationError.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kalder {

class AutomationError : public std::runtime_error {
public:
    AutomationError(std::int32_t number, std::string source, std::string description);

    std::int32_t number() const noexcept { return number_; }
    const std::string& source() const noexcept { return source_; }
    const std::string& description() const noexcept { return description_; }

private:
    std::int32_t number_;
    std::string source_;
    std::string description_;
};

// Numbers of the automation run-time that keep their meaning here.
namespace err {
inline constexpr std::int32_t InvalidCall = 5;          // "Invalid procedure call or argument"
inline constexpr std::int32_t Overflow = 6;             // "Overflow"
inline constexpr std::int32_t OutOfMemory = 7;          // "Out of memory"
inline constexpr std::int32_t SubscriptOutOfRange = 9;  // "Subscript out of range"
inline constexpr std::int32_t TypeMismatch = 13;        // "Type mismatch"
inline constexpr std::int32_t FileNotFound = 53;        // "File not found"
inline constexpr std::int32_t InvalidPropertyIndex = 381;
inline constexpr std::int32_t ReadOnlyProperty = 383;
inline constexpr std::int32_t SetNotPermitted = 387;
inline constexpr std::int32_t InvalidPicture = 481;     // "Invalid picture"
inline constexpr std::int32_t DuplicateKey = 457;
}  // namespace err

// The run-time's own text for one of its standard numbers ("" for other numbers).
const char* standardErrorText(std::int32_t number) noexcept;

// Raises a run-time error with its standard text.
[[noreturn]] void raiseStandard(std::int32_t number, std::string source);

}  // namespace kalder
