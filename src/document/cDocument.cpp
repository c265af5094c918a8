#include "document/cDocument.h"

#include "core/Locale.h"
#include "document/StandardStyles.h"
#include "document/StyleXml.h"
#include "document/XmlItems.h"

namespace kalder {

cDocument::cDocument() {
    defineStandardStyles(NamedStyles);
    Style = NamedStyles.at(NamedStyles.Count());  // "Heading5", the last one defined
    DocInfo.emplace_back("CreationDate", shortDateToday());
    AddPage("Page 1", true, 0, 0, 0, 0, 0, 0, 9);
    currentPage_ = "Page 1";
    currentFrame_ = "inside";
}

void cDocument::CurrentFrame(std::string_view key) { currentFrame_ = foldKeyCase(key); }

std::shared_ptr<const cStyle> cDocument::sharedStyle(const cStyle& style) {
    for (const auto& recent : recentStyles_)
        if (recent && *recent == style) return recent;
    auto fresh = std::make_shared<const cStyle>(style);
    recentStyles_[nextRecentStyle_] = fresh;
    nextRecentStyle_ = (nextRecentStyle_ + 1) % kRecentStyles;
    return fresh;
}

std::shared_ptr<cPage> cDocument::currentPage() const {
    CurrentCache& c = current_;
    if (c.pagesVersion != pages_.version() || c.pageKey != currentPage_) {
        c.page = pages_.Item(std::string_view(currentPage_));
        c.pagesVersion = pages_.version();
        c.pageKey = currentPage_;
        c.framesVersion = ~0ULL;  // the frame is looked up again on that page
    }
    return c.page;
}

std::shared_ptr<cFrame> cDocument::currentFrame() const {
    auto page = currentPage();
    if (!page) return nullptr;
    CurrentCache& c = current_;
    if (c.framesVersion != page->Frames().version() || c.frameKey != currentFrame_) {
        c.frame = page->Frames().Item(std::string_view(currentFrame_));
        c.framesVersion = page->Frames().version();
        c.frameKey = currentFrame_;
    }
    return c.frame;
}

std::shared_ptr<cPage> cDocument::AddPage(std::string_view key, bool init, std::int32_t marginLeft,
                                          std::int32_t marginRight, std::int32_t marginTop,
                                          std::int32_t marginBottom, std::int32_t headerSize,
                                          std::int32_t footerSize, std::int32_t pageSize) {
    std::int32_t previousNo = 0;
    std::int32_t previousType = 0;
    if (auto last = pages_.Item(pages_.Count())) {
        previousNo = last->LogicalPageNo;
        previousType = last->PageNoType;
    }
    auto page = std::make_shared<cPage>();
    page->LogicalPageNo = previousNo + 1;
    page->PageNoType = previousType;
    page->PageMarginLeft = marginLeft;
    page->PageMarginRight = marginRight;
    page->PageMarginTop = marginTop;
    page->PageMarginBottom = marginBottom;
    page->PageHeaderSize = headerSize;
    page->PageFooterSize = footerSize;
    page->Style = Style;
    page->PageSize(pageSize);  // also recomputes the inside rectangle
    if (init) page->Init();
    pages_.AddPage(page, key);
    return page;
}

void cDocument::writeXml(ItemWriter& out) const {
    out.open("Document");
    saveStyle(out, Style);
    out.open("NamedStyles");
    for (const cStyle& s : NamedStyles) saveStyle(out, s);
    out.close();
    out.open("Pages");
    for (const auto& p : pages_) p->writeXml(out);
    out.close();
    out.open("DocInfo");
    for (const auto& [name, value] : DocInfo) {
        out.open("DocInfoItem");
        out.item("Name", name);
        out.item("Value", value);
        out.close();
    }
    out.close();
    out.item("CurrentX", CurrentX);
    out.item("CurrentY", CurrentY);
    out.item("CurrentPage", currentPage_);
    out.item("CurrentFrame", currentFrame_);
    out.close();
}

}  // namespace kalder
