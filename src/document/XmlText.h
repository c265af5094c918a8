// The characters a document file may hold. XML 1.0 allows tab, line feed, carriage return and
// every Unicode scalar value from U+0020 on except U+FFFE and U+FFFF; pugixml itself neither
// checks the UTF-8 it reads nor refuses a reference such as "&#0;" (which would cut the text
// off at the null) or "&#xD800;" (which it would store as bytes no UTF-8 reader accepts).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kalder {

// The first place in a document's text that is not well-formed UTF-8 or that holds a character
// reference to no character a document can hold, with a description of what is there; npos
// and an empty description when there is none. References to control characters other than
// the null are let through: files written before saving replaced them hold them.
struct BadCharacter {
    std::size_t offset = std::string_view::npos;
    std::string what;
};
BadCharacter findBadCharacter(std::string_view text);

// Whether `text` is well-formed UTF-8 (no overlong form, no surrogate, nothing beyond U+10FFFF).
bool isUtf8(std::string_view text);

// The text with every character a document file cannot hold (control characters other than
// tab, line feed and carriage return, and bytes that are not UTF-8) replaced by U+FFFD, the
// replacement character, so that a saved file is one every XML reader accepts. Returns the
// text unchanged, without copying, when there is nothing to replace.
std::string_view xmlCharacters(std::string_view text, std::string& storage);

}  // namespace kalder
