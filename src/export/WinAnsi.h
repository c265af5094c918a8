// UTF-8 text to Windows-1252 (WinAnsiEncoding), the single-byte encoding of the PDF text runs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kalder {

// Appends the Windows-1252 bytes of `utf8`. A character that encoding does not have, and a
// byte that is not valid UTF-8, becomes "?"; the result is how many there were.
std::size_t appendWinAnsi(std::string& out, std::string_view utf8);

// Whether every character of `utf8` is in Windows-1252.
bool winAnsiCovers(std::string_view utf8);

}  // namespace kalder
