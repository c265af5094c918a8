// CR LF pairs in paragraph text: each is a line break, as the "nl" tag is.
#pragma once

#include <string>

namespace kalder {

// Writes `in` to `out` with every CR LF turned into "<nl>"; returns false, leaving `out` as it
// was, when there is none, so that a text without them is used as it is, uncopied.
inline bool replaceLineEnds(const std::string& in, std::string& out) {
    std::size_t at = in.find("\r\n");
    if (at == std::string::npos) return false;
    out.reserve(in.size() + in.size() / 8);
    std::size_t from = 0;
    for (; at != std::string::npos; at = in.find("\r\n", from)) {
        out.append(in, from, at - from);
        out += "<nl>";
        from = at + 2;
    }
    out.append(in, from, std::string::npos);
    return true;
}

}  // namespace kalder
