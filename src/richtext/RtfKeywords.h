// The RTF keyword table: every control word and control symbol the RTF reader acts on, with
// its kind, what it means and the parameter it takes when the file gives none. A keyword that
// is not in the table is ignored by the reader (or skips its group after "\*").
//
// Keywords are compared exactly (RTF control words are case-sensitive).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kalder::rtf {

enum class KeywordKind : std::int32_t { Destination = 1, Property = 2, Character = 3, Special = 4 };

// Destinations a keyword switches to.
enum class Destination : std::int32_t { FontTable, ColourTable, Skipped };

enum class Property : std::int32_t {
    Bold,
    Underline,
    Italic,
    Strike,
    Font,
    FontSize,
    DefaultFont,
    ParagraphDefaults,
    ParagraphEnd,
    CharacterDefaults,
    TabStop,
    TabKind,  // tab alignments and leaders: accepted, no effect
    AlignLeft,
    AlignRight,
    AlignCentre,
    AlignJustify,
    FirstIndent,
    LeftIndent,
    RightIndent,
    Red,
    Green,
    Blue,
    TextColour,
};

enum class Special : std::int32_t {
    SkipUnknown,  // "\*": an unknown keyword right after it skips its group
    Hex,          // "\'": two hexadecimal digits follow
    Binary,       // "\binN": N bytes of binary data follow, never shown
};

// Character keywords carry a character code; these values instead name a markup tag.
inline constexpr std::int32_t kLineBreak = -1;     // "<sl>"
inline constexpr std::int32_t kNoBreakSpace = -2;  // "<ss>"
inline constexpr std::int32_t kEnSpace = -3;       // "<dn>"
inline constexpr std::int32_t kEmSpace = -4;       // "<dm>"

struct Keyword {
    std::string_view name;
    KeywordKind kind;
    // A Destination, Property or Special (as its number), or for a character keyword the
    // character code (Windows-1252) or one of the markup values above.
    std::int32_t value;
    // When set, the default parameter is used even if the file gives one (set on no entry).
    bool useDefaultAlways;
    std::int32_t defaultParam;
};

// The whole table, sorted by name.
std::span<const Keyword> keywordTable() noexcept;

// The entry for a control word or symbol; nullptr when the reader does not know it.
const Keyword* findKeyword(std::string_view name) noexcept;

}  // namespace kalder::rtf
