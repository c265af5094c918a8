// The tags of the paragraph markup: a tag is written in angle brackets, two letters (any case)
// and, after a blank, an argument: "<fs 12>", "<BD 1>", "<nl>". The code of each tag is its
// number in the token's `cmd`; 0 is text or a tag nobody knows (kept, without effect).
#pragma once

#include <cstdint>
#include <string_view>

namespace kalder {

enum MarkupTag : std::int32_t {
    tagNone = 0,
    tagAc = 1,   // integer n: inserts the character with code n
    tagBd = 2,   // boolean: bold
    tagCe = 3,   // centred lines
    tagZl = 4,   // inserts "<"
    tagZr = 5,   // inserts ">"
    tagCo = 6,   // r;g;b: text colour
    tagXp = 7,   // integer twips: the word starts at this offset in the line
    tagFs = 8,   // points: font size ("." or "," as decimal mark)
    tagNl = 9,   // ends the line and the paragraph
    tagSl = 10,  // ends the line, not the paragraph
    tagIt = 11,  // boolean: italic
    tagJu = 12,  // justified lines
    tagLv = 13,  // type;value: leading
    tagPg = 14,  // boolean: inserts the page number (with "/" and the page count)
    tagRl = 15,  // right-aligned lines
    tagRr = 16,  // left-aligned lines
    tagTb = 17,  // the next text starts at the next tab stop
    tagTc = 18,  // removes all tab stops
    tagTs = 19,  // integer twips: adds a tab stop
    tagUl = 20,  // boolean: underline
    tagFf = 21,  // font name
    tagLi = 22,  // integer twips: left indent
    tagRi = 23,  // integer twips: right indent
    tagSt = 24,  // boolean: strikethrough
    tagDm = 25,  // a blank one em wide
    tagDn = 26,  // a blank one en wide
    tagSs = 27,  // a space that does not break the word
};

inline constexpr std::int32_t kLastMarkupTag = tagSs;

// The code of the two-letter tag name `a``b`, compared without regard to case; 0 when unknown.
std::int32_t markupTagCode(char a, char b) noexcept;

// The lower-case name of a tag code ("fs"); "" for 0 and unknown codes.
std::string_view markupTagName(std::int32_t code) noexcept;

// Tags that begin a word of their own: a word already holding tokens ends before them.
constexpr bool tagStartsWord(std::int32_t code) noexcept {
    return code == tagXp || code == tagTb || code == tagLi || code == tagRi;
}

}  // namespace kalder
