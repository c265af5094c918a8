// Placeholder substitution: "%name%" in a template replaced by the value of that name.
//
// Scanning from the start, a "%" and the next "%" after it enclose a name (blanks around it
// removed); the pair is replaced by the value, turned into text as a Variant is. Two signs with
// nothing or only blanks between them give one "%"; a name the lookup does not know gives
// "?missing param?"; a "%" with no closing sign gives "%unbalanced%" and the scan goes on after
// it. Templates have no length limit. A value that cannot become text raises error 13.
#pragma once

#include <concepts>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "kalder/FastCollection.h"
#include "kalder/Variant.h"

namespace kalder {

// The value of a name, or nothing when the caller has none.
using SubstitutionLookup = std::function<std::optional<Variant>(std::string_view name)>;

std::string substitute(std::string_view input, const SubstitutionLookup& lookup);

// Keys compare as the collection compares them (without regard to case by default).
std::string substitute(std::string_view input, const FastCollection& params);

// Any map from string keys to Variants (std::map, std::unordered_map); keys compare exactly.
template <class Map>
    requires requires(const Map& m, const std::string& k) {
        { m.find(k)->second } -> std::convertible_to<const Variant&>;
        { m.find(k) == m.end() } -> std::convertible_to<bool>;
    }
std::string substitute(std::string_view input, const Map& params) {
    return substitute(input, SubstitutionLookup([&params](std::string_view name) -> std::optional<Variant> {
                          auto it = params.find(std::string(name));
                          if (it == params.end()) return std::nullopt;
                          return it->second;
                      }));
}

}  // namespace kalder
