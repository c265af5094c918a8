#include "kalder/AutomationError.h"

namespace kalder {

namespace {
std::string composeWhat(std::int32_t number, const std::string& source, const std::string& description) {
    std::string what = "Error " + std::to_string(number);
    if (!source.empty()) what += " (" + source + ")";
    if (!description.empty()) what += ": " + description;
    return what;
}
}  // namespace

AutomationError::AutomationError(std::int32_t number, std::string source, std::string description)
    : std::runtime_error(composeWhat(number, source, description)),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

const char* standardErrorText(std::int32_t number) noexcept {
    switch (number) {
        case err::InvalidCall: return "Invalid procedure call or argument";
        case err::Overflow: return "Overflow";
        case err::OutOfMemory: return "Out of memory";
        case err::SubscriptOutOfRange: return "Subscript out of range";
        case err::TypeMismatch: return "Type mismatch";
        case err::FileNotFound: return "File not found";
        case err::InvalidPicture: return "Invalid picture";
        case err::InvalidPropertyIndex: return "Invalid property-array index";
        case err::ReadOnlyProperty: return "Set not supported (read-only property)";
        case err::SetNotPermitted: return "Set not permitted";
        case err::DuplicateKey: return "This key is already associated with an element of this collection";
        default: return "";
    }
}

void raiseStandard(std::int32_t number, std::string source) {
    throw AutomationError(number, std::move(source), standardErrorText(number));
}

}  // namespace kalder
