// The document root: pages in order, the current attributes, the named styles, document
// information items, the current page, frame and position, and the printer settings.
//
// A new document is never empty: it has page "Page 1" with the standard frames, the six
// named styles ("Normal", "Heading1".."Heading5"), current attributes copied from
// "Heading5", and a "CreationDate" information item with today's date.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/cPage.h"
#include "document/cPrinterStyle.h"
#include "core/Picture.h"
#include "core/cStyle.h"

namespace kalder {

class cDocument {
public:
    cDocument();

    cPages& pages() noexcept { return pages_; }
    const cPages& pages() const noexcept { return pages_; }
    std::int32_t PagesCount() const noexcept { return pages_.Count(); }

    cStyle Style;
    cStyles NamedStyles;
    // Information items (name, value), in order; names may repeat.
    std::vector<std::pair<std::string, std::string>> DocInfo;
    std::int32_t CurrentX = 0;
    std::int32_t CurrentY = 0;
    cPrinterStyle PrinterStyle;
    // Pictures by content, shared by every element that shows the same one (drawing reads
    // external pictures through it too, so it changes while the document is drawn).
    std::shared_ptr<PictureCache> pictures = std::make_shared<PictureCache>();

    const std::string& CurrentPage() const noexcept { return currentPage_; }
    void CurrentPage(std::string key) { currentPage_ = std::move(key); }
    // Stored in lower case; frame keys keep their case but are found without regard to it.
    const std::string& CurrentFrame() const noexcept { return currentFrame_; }
    void CurrentFrame(std::string_view key);

    // The current page and frame, or nullptr when there is none.
    std::shared_ptr<cPage> currentPage() const;
    std::shared_ptr<cFrame> currentFrame() const;

    // Adds a page: its logical number and number type follow the last page, its style is a
    // copy of the document style; `init` creates the standard frames. A key already used fails
    // with error 457 and adds nothing.
    std::shared_ptr<cPage> AddPage(std::string_view key, bool init, std::int32_t marginLeft, std::int32_t marginRight,
                                   std::int32_t marginTop, std::int32_t marginBottom, std::int32_t headerSize,
                                   std::int32_t footerSize, std::int32_t pageSize);

    // An unchangeable copy of `style`, shared with the style-change elements recorded before
    // with an equal style. Only the last few distinct styles are looked at: a builder
    // repeats a short cycle of changes page after page.
    std::shared_ptr<const cStyle> sharedStyle(const cStyle& style);

    // XML form of the whole document: <Document> <Style/> <NamedStyles/> <Pages/> <DocInfo/>
    // CurrentX CurrentY CurrentPage CurrentFrame </Document>.
    void writeXml(ItemWriter& out) const;

private:
    cPages pages_;
    std::string currentPage_;
    std::string currentFrame_;
    static constexpr std::size_t kRecentStyles = 16;
    std::shared_ptr<const cStyle> recentStyles_[kRecentStyles];
    std::size_t nextRecentStyle_ = 0;  // the slot replaced next

    // The current page and frame as last looked up, kept while the keys and the collections
    // they were found in stay as they were: every builder call asks for them.
    struct CurrentCache {
        std::uint64_t pagesVersion = ~0ULL, framesVersion = ~0ULL;
        std::string pageKey, frameKey;
        std::shared_ptr<cPage> page;
        std::shared_ptr<cFrame> frame;
    };
    mutable CurrentCache current_;
};

}  // namespace kalder
