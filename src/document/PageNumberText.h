// The text of a page number, shared by the page-number element (worked out when the page is
// drawn, because only then is it known which page shows it) and by Preview::Page and
// Preview::PageNumber (worked out for the current page when called).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kalder {

class cDocument;
class cPage;

// Roman numerals in upper case: one M per full thousand, then hundreds, tens and units in
// the subtractive forms (CM, XC, IX ...). 0, and any number below it, gives "".
std::string romanNumeral(std::int32_t number);

// The page's logical number in its numbering type: arabic "3" or roman "III"; with
// `maxPages`, followed by "/" and the document's page count in the same form ("3/10",
// "III/X"). A numbering type other than arabic or roman gives "error".
std::string pageNumberText(const cDocument& doc, const cPage& page, bool maxPages);

// `definition` with its first "??" replaced by `number`. A definition without "??" is shown
// unchanged: the caller wrote a fixed text and gets it as written.
std::string expandPageNumber(std::string_view definition, std::string_view number);

}  // namespace kalder
