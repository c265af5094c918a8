// Conversions of markup tag arguments. Markup never fails: a malformed argument converts to 0
// (or leaves the tag without effect where the tag says so), and the rest of the paragraph is
// laid out as usual. Arguments arrive with their leading and trailing blanks removed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "kalder/Variant.h"

namespace kalder {

// Any argument other than "0" is true, the empty one included: "<bd>" is bold, "<bd 0>" not.
bool tagBoolean(std::string_view arg) noexcept;

// A whole number ("12", "-3", "12.5" rounded half to even, "." or "," as decimal mark); 0 when
// the argument is no number or lies beyond 32 bits.
std::int32_t tagWhole(std::string_view arg) noexcept;

// A decimal number with "." or "," as decimal mark ("10,5" and "10.5" are 10.5); 0 when the
// argument is no finite number.
float tagPoints(std::string_view arg) noexcept;

// The leading numeric part of a text, as a BASIC Val reads it: blanks skipped, then sign,
// digits, "." and an exponent as far as they go ("12px" -> 12, "1,5" -> 1, "x" -> 0).
double leadingNumber(std::string_view text) noexcept;

// "r;g;b" as a colour (red in the low byte), each component clamped to 0..255. No ";" at all:
// nothing (the tag has no effect); exactly one ";": green and blue are 0.
std::optional<std::int32_t> tagColor(std::string_view arg) noexcept;

// "type;value" as a leading type and value; nothing without a ";".
std::optional<std::pair<std::int32_t, double>> tagLeading(std::string_view arg) noexcept;

// The character with code `code` as UTF-8: 1..255 in the Windows-1252 code page (the code page
// of the markup's origin: 128 is the euro sign), 256 and up as a Unicode code point. 0,
// negative codes, surrogates and codes beyond Unicode give "".
std::string characterOfCode(std::int32_t code);

// The token argument of tag `code`, converted as the tag needs it.
Variant tagParam(std::int32_t code, std::string_view arg);

}  // namespace kalder
