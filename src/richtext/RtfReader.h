// The RTF reader: turns the bytes of an RTF file into paragraph markup.
//
// It is table-driven (RtfKeywords.h): character and paragraph formatting, tab stops, colours,
// fonts and a few special characters become markup tags; every other destination (style
// sheet, information group, pictures, headers, footnotes, unknown "\*" groups) is skipped.
//
// Contract: readRtf never throws on the content of its input and runs in time linear in its
// size, whatever the bytes; the only failures are the result codes below. Text is read as
// Windows-1252 (the code page RTF writers declare with \ansicpg1252) and written as UTF-8.
// Carriage returns and line feeds are never text; they only end a control word, and a
// backslash before one is a paragraph end, as in RTF itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kalder::rtf {

// Result codes of a parse.
enum class ResultCode : std::int32_t {
    Success = -2,            // the end of the input was reached
    UnknownKind = -3,        // a keyword table entry of a kind the reader does not handle
    GroupsTooDeep = -4,      // more nested groups than limits::kRtfGroupDepth
    UnmatchedClose = -5,     // a "}" without a matching "{"
    InvalidInputState = -8,  // the reader's input state is neither normal nor hexadecimal
    InvalidHexDigit = -9,    // a character other than a hexadecimal digit after "\'"
};

struct ReadResult {
    ResultCode code = ResultCode::Success;
    // On success "<ff " default font name ">" (left out when the font table does not name
    // the default font) followed by the markup; empty on failure.
    std::string markup;
    // On failure, the byte of the input the reader stopped at.
    std::size_t offset = 0;

    bool ok() const noexcept { return code == ResultCode::Success; }
};

ReadResult readRtf(std::string_view bytes);

// What RtfImport returns for these bytes: the markup, or "Error parsing file:" followed by
// the result code, then in brackets what was wrong and where ("Error parsing file:-5 (a "}"
// that closes no group, at byte 17)"), so that a reader of the message can find the fault.
std::string importRtfText(std::string_view bytes);

inline constexpr std::string_view kParseErrorText = "Error parsing file:";

}  // namespace kalder::rtf
