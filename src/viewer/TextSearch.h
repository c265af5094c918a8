// The find routine of the preview window: the next element of the document whose text holds
// the search text, walking pages from the current one, frames in order, elements in order.
//
// The search position is the page, frame and element key of the last match; a search that
// starts on the page of that match skips the elements up to and including it, so pressing
// Find Next again moves on to the next element. A search that starts on another page (the
// user went elsewhere) starts at that page's beginning.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalder {

class cDocument;
class cElement;

struct SearchPosition {
    std::string page;
    std::string frame;
    std::string element;
    bool empty() const noexcept { return element.empty(); }
};

struct SearchOptions {
    std::string text;
    bool matchCase = false;
    bool wholeWord = false;
    bool allPages = true;  // false: the current page only
};

struct SearchMatch {
    std::int32_t pageNumber = 0;  // 1-based
    SearchPosition position;
};

// `currentPage` is 1-based. Nothing is found for an empty search text or document.
std::optional<SearchMatch> findNext(const cDocument& doc, std::int32_t currentPage, const SearchOptions& options,
                                    const SearchPosition& last);

// Whether `text` holds `wanted`: anywhere, or with wholeWord as the whole text or bounded by
// blanks (" ") or the ends of the text. Without matchCase both are compared in capitals.
bool textMatches(std::string_view text, std::string_view wanted, bool matchCase, bool wholeWord);

// The text the search looks into, for the element kinds that have one (graphic text).
std::optional<std::string> searchableText(const cElement& element);

}  // namespace kalder
