// The page number a "pg" tag shows: the same text as a page-number element on that page
// (document/PageNumberText.h). Without a document and page (a paragraph laid out again after
// loading, before any page shows it) the tag shows nothing until a page draws it.
#pragma once

#include <string>

namespace kalder {

class cDocument;
class cFrame;
class cPage;

struct PageNumbering {
    const cDocument* document = nullptr;
    const cPage* page = nullptr;

    std::string text(bool maxPages) const;
};

// The page of `doc` that holds `frame`; nullptr when no page does.
const cPage* pageHolding(const cDocument& doc, const cFrame& frame) noexcept;

}  // namespace kalder
