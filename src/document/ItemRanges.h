// The range a document file's number items must lie in, by item name (core/Limits.h gives
// the bounds and why). An item not named here may hold any number its type holds.
#pragma once

#include <optional>
#include <string_view>

namespace kalder {

// The largest magnitude item `name` may have, or nothing for an unbounded item.
std::optional<double> itemMagnitude(std::string_view name);

}  // namespace kalder
