// Pieces several encoders share: dropping non-digits, wide/narrow element patterns to
// modules, the EAN/UPC number sets per ISO/IEC 15420 and the GS1 modulo-10 check digit.
#pragma once

#include <string>
#include <string_view>

namespace kalder::barcodes {

// Raises AutomationError(kEncodeError, source, text).
[[noreturn]] void fail(const char* source, std::string text);

// The ASCII digits of `data`, in order; everything else is dropped.
std::string digitsOnly(std::string_view data);

// Appends the modules of a wide/narrow element pattern ('1' wide, '0' narrow; elements
// alternate bar, space, bar, ... starting with a bar). Wide elements are two modules.
void appendElements(std::string& modules, std::string_view pattern);

// The seven modules of `digit` ('0'..'9') in EAN/UPC number set 'A', 'B' or 'C'.
std::string_view numberSet(char set, char digit);

// An EAN/UPC symbol of an even number of digits: the guard "101", the first half, the centre
// "01010", the second half, the guard "101"; digit i in the number set sets[i] ('A', 'B', 'C').
std::string guardedHalves(std::string_view digits, std::string_view sets);

// The GS1 modulo-10 check digit of `digits`: weight 3 on the rightmost digit, then 1, 3, ...
char gs1CheckDigit(std::string_view digits);

}  // namespace kalder::barcodes
