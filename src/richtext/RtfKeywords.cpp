#include "richtext/RtfKeywords.h"

#include <algorithm>
#include <array>

namespace kalder::rtf {

namespace {

constexpr Keyword destination(std::string_view name, Destination d) {
    return {name, KeywordKind::Destination, static_cast<std::int32_t>(d), false, 0};
}
constexpr Keyword property(std::string_view name, Property p, std::int32_t defaultParam = 0) {
    return {name, KeywordKind::Property, static_cast<std::int32_t>(p), false, defaultParam};
}
constexpr Keyword character(std::string_view name, std::int32_t code) {
    return {name, KeywordKind::Character, code, false, 0};
}
constexpr Keyword special(std::string_view name, Special s) {
    return {name, KeywordKind::Special, static_cast<std::int32_t>(s), false, 0};
}

constexpr Keyword kSkip[] = {
    destination("author", Destination::Skipped),   destination("buptim", Destination::Skipped),
    destination("comment", Destination::Skipped),  destination("creatim", Destination::Skipped),
    destination("doccomm", Destination::Skipped),  destination("footer", Destination::Skipped),
    destination("footerf", Destination::Skipped),  destination("footerl", Destination::Skipped),
    destination("footerr", Destination::Skipped),  destination("footnote", Destination::Skipped),
    destination("ftncn", Destination::Skipped),    destination("ftnsep", Destination::Skipped),
    destination("ftnsepc", Destination::Skipped),  destination("header", Destination::Skipped),
    destination("headerf", Destination::Skipped),  destination("headerl", Destination::Skipped),
    destination("headerr", Destination::Skipped), destination("info", Destination::Skipped),
    destination("keywords", Destination::Skipped), destination("operator", Destination::Skipped),
    destination("pict", Destination::Skipped),     destination("printim", Destination::Skipped),
    destination("private1", Destination::Skipped), destination("revtim", Destination::Skipped),
    destination("rxe", Destination::Skipped),      destination("stylesheet", Destination::Skipped),
    destination("subject", Destination::Skipped),  destination("tc", Destination::Skipped),
    destination("title", Destination::Skipped),    destination("txe", Destination::Skipped),
    destination("xe", Destination::Skipped),
};

constexpr Keyword kOthers[] = {
    property("b", Property::Bold, 1),
    property("ul", Property::Underline, 1),
    property("ulnone", Property::Underline, 0),
    property("i", Property::Italic, 1),
    property("strike", Property::Strike, 1),
    character("tab", 9),
    special("*", Special::SkipUnknown),
    property("f", Property::Font),
    property("fs", Property::FontSize),
    property("deff", Property::DefaultFont),
    property("pard", Property::ParagraphDefaults),
    property("par", Property::ParagraphEnd),
    property("plain", Property::CharacterDefaults),
    property("tx", Property::TabStop),
    property("tqr", Property::TabKind),
    property("tqc", Property::TabKind),
    property("tqdec", Property::TabKind),
    property("tldot", Property::TabKind),
    property("tlhyh", Property::TabKind),
    property("tlul", Property::TabKind),
    property("tlth", Property::TabKind),
    property("tleq", Property::TabKind),
    property("ql", Property::AlignLeft),
    property("qr", Property::AlignRight),
    property("qc", Property::AlignCentre),
    property("qj", Property::AlignJustify),
    property("fi", Property::FirstIndent),
    property("li", Property::LeftIndent),
    property("ri", Property::RightIndent),
    property("red", Property::Red),
    property("green", Property::Green),
    property("blue", Property::Blue),
    property("cf", Property::TextColour),
    destination("fonttbl", Destination::FontTable),
    destination("colortbl", Destination::ColourTable),
    character("{", 123),
    character("}", 125),
    character("\\", 92),
    character("bullet", 149),
    character("lquote", 145),
    character("rquote", 146),
    character("ldblquote", 147),
    character("rdblquote", 148),
    character("endash", 150),
    character("emdash", 151),
    special("'", Special::Hex),
    character("emspace", kEmSpace),
    character("enspace", kEnSpace),
    character("~", kNoBreakSpace),
    character("line", kLineBreak),
    // Binary data (pictures) holds arbitrary bytes that must not be read as RTF.
    special("bin", Special::Binary),
};

constexpr std::size_t kCount = std::size(kSkip) + std::size(kOthers);

constexpr std::array<Keyword, kCount> kTable = [] {
    std::array<Keyword, kCount> t{};
    std::size_t n = 0;
    for (const Keyword& k : kSkip) t[n++] = k;
    for (const Keyword& k : kOthers) t[n++] = k;
    std::sort(t.begin(), t.end(), [](const Keyword& a, const Keyword& b) { return a.name < b.name; });
    return t;
}();

static_assert(std::adjacent_find(kTable.begin(), kTable.end(),
                                 [](const Keyword& a, const Keyword& b) { return a.name == b.name; }) ==
                  kTable.end(),
              "each keyword appears once");

}  // namespace

std::span<const Keyword> keywordTable() noexcept { return kTable; }

const Keyword* findKeyword(std::string_view name) noexcept {
    auto it = std::lower_bound(kTable.begin(), kTable.end(), name,
                               [](const Keyword& k, std::string_view n) { return k.name < n; });
    return it != kTable.end() && it->name == name ? &*it : nullptr;
}

}  // namespace kalder::rtf
