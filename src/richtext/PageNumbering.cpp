#include "richtext/PageNumbering.h"

#include "document/PageNumberText.h"
#include "document/cDocument.h"

namespace kalder {

std::string PageNumbering::text(bool maxPages) const {
    if (!document || !page) return "";
    return pageNumberText(*document, *page, maxPages);
}

const cPage* pageHolding(const cDocument& doc, const cFrame& frame) noexcept {
    for (const auto& page : doc.pages())
        for (const auto& f : page->Frames())
            if (f.get() == &frame) return page.get();
    return nullptr;
}

}  // namespace kalder
