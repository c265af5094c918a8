#include "viewer/TextSearch.h"

#include <QString>

#include "document/cDocument.h"

namespace kalder {

std::optional<std::string> searchableText(const cElement& element) {
    if (const std::string* text = element.searchText()) return *text;
    return std::nullopt;
}

bool textMatches(std::string_view text, std::string_view wanted, bool matchCase, bool wholeWord) {
    if (wanted.empty()) return false;
    QString hay = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QString needle = QString::fromUtf8(wanted.data(), static_cast<qsizetype>(wanted.size()));
    if (!matchCase) {
        hay = hay.toUpper();
        needle = needle.toUpper();
    }
    // Every occurrence is tried, so a whole word is found after a longer word that holds it.
    for (qsizetype at = hay.indexOf(needle); at >= 0; at = hay.indexOf(needle, at + 1)) {
        if (!wholeWord) return true;
        const qsizetype end = at + needle.size();
        const bool blankBefore = at == 0 || hay.at(at - 1) == u' ';
        const bool blankAfter = end == hay.size() || hay.at(end) == u' ';
        if (blankBefore && blankAfter) return true;
    }
    return false;
}

std::optional<SearchMatch> findNext(const cDocument& doc, std::int32_t currentPage, const SearchOptions& options,
                                    const SearchPosition& last) {
    if (options.text.empty()) return std::nullopt;
    const std::int32_t count = doc.PagesCount();
    const std::int32_t lastPage = options.allPages ? count : std::min(currentPage, count);
    for (std::int32_t n = std::max(currentPage, 1); n <= lastPage; ++n) {
        const auto page = doc.pages().Item(n);
        if (!page) continue;
        // Skipping ends past the last match, which is looked for on the starting page only.
        bool skipping = n == currentPage && !last.empty() && page->Key == last.page;
        for (const auto& frame : page->Frames()) {
            for (const auto& element : frame->Elements()) {
                if (skipping) {
                    if (frame->Key == last.frame && element->Key() == last.element) skipping = false;
                    continue;
                }
                const std::string* text = element->searchText();
                if (text && textMatches(*text, options.text, options.matchCase, options.wholeWord))
                    return SearchMatch{n, {page->Key, frame->Key, element->Key()}};
            }
        }
    }
    return std::nullopt;
}

}  // namespace kalder
