// UTF-8 text as RTF text: what Windows-1252 holds is written in it ("\'e9" above ASCII), every
// other character as RTF's Unicode escape "\uN?" (N a signed 16-bit number, characters past
// U+FFFF as their two UTF-16 halves), so nothing is lost. "\", "{" and "}" are escaped, a tab
// becomes "\tab"; other control characters and bytes that are not UTF-8 become "?".
#pragma once

#include <string>
#include <string_view>

namespace kalder {

void appendRtfText(std::string& out, std::string_view utf8);

}  // namespace kalder
