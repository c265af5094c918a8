#include "richtext/ContinuationPrefix.h"

#include <array>
#include <charconv>

namespace kalder {

namespace {

template <class T>
void appendNumber(std::string& out, T value) {
    std::array<char, 64> buf{};
    const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed);
    if (ec == std::errc())
        out.append(buf.data(), end);
    else
        out += '0';
}

void appendFlag(std::string& out, const char* opener, bool on) {
    out += opener;
    out += on ? "1>" : "0>";
}

}  // namespace

std::string continuationPrefix(const ParaState& state, const cStyle& startStyle) {
    const cStyle& s = state.Style;
    std::string out;
    out.reserve(96 + 16 * state.TabStops.size() + s.FontName.size());
    for (const std::int32_t stop : state.TabStops) {
        out += "<ts ";
        out += std::to_string(stop);
        out += '>';
    }
    switch (state.Alignment) {
        case alignRight: out += "<rl>"; break;
        case alignCentre: out += "<ce>"; break;
        case alignJustify: out += "<ju>"; break;
        default: out += "<rr>"; break;
    }
    out += "<co ";
    const std::int32_t c = s.ForeColor;
    if (c > 0 || c < -255) {
        const auto bits = static_cast<std::uint32_t>(c);
        out += std::to_string(bits & 0xFF) + "; " + std::to_string((bits >> 8) & 0xFF) + "; " +
               std::to_string((bits >> 16) & 0xFF);
    } else {
        out += std::to_string(c);
    }
    out += '>';
    out += "<ff ";
    out += s.FontName;
    out += '>';
    out += "<fs ";
    appendNumber(out, s.FontSize / 20.0F);
    out += '>';
    appendFlag(out, "<bd ", s.Bold);
    appendFlag(out, "<it ", s.Italic);
    appendFlag(out, "<ul ", s.Underline);
    appendFlag(out, "<st ", s.Strikethru);
    if (s.LeadingType != startStyle.LeadingType || s.LeadingVal != startStyle.LeadingVal) {
        out += "<lv ";
        out += std::to_string(s.LeadingType);
        out += ';';
        appendNumber(out, s.LeadingVal);
        out += '>';
    }
    if (state.LeftIndent > 0) out += "<li " + std::to_string(state.LeftIndent) + ">";
    if (state.RightIndent > 0) out += "<ri " + std::to_string(state.RightIndent) + ">";
    return out;
}

}  // namespace kalder
