// Builder operations of Preview: pages, page templates, frames, the current page, frame and
// position, page geometry, document information, deleting and clearing.
//
// Most of these follow the automation habit of not passing failures on: a step that fails
// (a measure that does not convert, no current page or frame) is skipped and the operation
// goes on with its next step. `skipOnError` is that habit in one place.
#include "kalder/Preview.h"

#include "core/Limits.h"
#include "core/Twips.h"
#include "document/cDocument.h"

namespace kalder {

namespace {

template <class F>
void skipOnError(F&& step) {
    try {
        step();
    } catch (const AutomationError&) {
        // The step is skipped; the old value stays.
    }
}

// A measure given or not: missing -> 0; a measure that does not convert -> 0 as well.
std::int32_t optionalMeasure(const Variant& v) {
    std::int32_t twips = 0;
    if (!v.isMissing()) skipOnError([&] { twips = C_Twips(v); });
    return twips;
}

struct NewPageArgs {
    const Variant& left;
    const Variant& right;
    const Variant& top;
    const Variant& bottom;
    const Variant& header;
    const Variant& footer;
    const Variant& pageSize;
};

// The steps shared by AddFirstPage, AddPage and NewPage; returns the key or "".
std::string addNewPage(cDocument& doc, const NewPageArgs& a) {
    const std::int32_t left = optionalMeasure(a.left), right = optionalMeasure(a.right),
                       top = optionalMeasure(a.top), bottom = optionalMeasure(a.bottom),
                       header = optionalMeasure(a.header), footer = optionalMeasure(a.footer);
    std::int32_t size = 0;
    if (!a.pageSize.isMissing()) skipOnError([&] { size = a.pageSize.toLong(); });
    if (size == 0) size = doc.Style.PageSize;

    std::string key = "Page " + std::to_string(doc.PagesCount() + 1);
    bool added = false;
    skipOnError([&] {
        doc.AddPage(key, true, left, right, top, bottom, header, footer, size);
        added = true;
    });
    doc.CurrentPage(key);
    doc.CurrentFrame("inside");
    doc.CurrentX = 0;
    doc.CurrentY = 0;
    return added ? key : std::string();
}

}  // namespace

// ---- Pages ---------------------------------------------------------------------------------

std::string Preview::AddFirstPage(const Variant& MarginLeft, const Variant& MarginRight, const Variant& MarginTop,
                                  const Variant& MarginBottom, const Variant& vPHS, const Variant& vPFS,
                                  const Variant& vPageSize) {
    if (doc_->PagesCount() >= 2) throw AutomationError(897, "AddFirstPage", "More than one page");
    doc_->pages().Clear();
    return addNewPage(*doc_, {MarginLeft, MarginRight, MarginTop, MarginBottom, vPHS, vPFS, vPageSize});
}

std::string Preview::AddPage(const Variant& vMarginLeft, const Variant& vMarginRight, const Variant& vMarginTop,
                             const Variant& vMarginBottom, const Variant& vPHS, const Variant& vPFS,
                             const Variant& vPageSize) {
    return addNewPage(*doc_, {vMarginLeft, vMarginRight, vMarginTop, vMarginBottom, vPHS, vPFS, vPageSize});
}

std::string Preview::NewPage(const Variant& vMarginLeft, const Variant& vMarginRight, const Variant& vMarginTop,
                             const Variant& vMarginBottom, const Variant& vPHS, const Variant& vPFS) {
    return addNewPage(*doc_,
                      {vMarginLeft, vMarginRight, vMarginTop, vMarginBottom, vPHS, vPFS, Variant::missing()});
}

std::string Preview::AddPageTemplate(const std::string& OldPage) {
    auto source = OldPage.empty() ? doc_->currentPage() : doc_->pages().Item(std::string_view(OldPage));
    if (!source) return "";
    std::string key = "Page " + std::to_string(doc_->PagesCount() + 1);
    std::shared_ptr<cPage> page;
    skipOnError([&] {
        page = doc_->AddPage(key, false, source->PageMarginLeft, source->PageMarginRight, source->PageMarginTop,
                             source->PageMarginBottom, source->PageHeaderSize, source->PageFooterSize,
                             source->PageSize());
    });
    doc_->CurrentPage(key);
    if (page) {
        page->Style = source->Style;
        // The sheet is copied as seen; keep the user size portrait like every other. It is
        // stored before the paper size so that the inside rectangle is computed from it.
        const bool landscape = page->Style.Orientation == prORLandscape;
        page->PageWidth(landscape ? source->PageHeight() : source->PageWidth());
        page->PageHeight(landscape ? source->PageWidth() : source->PageHeight());
        page->PageSize(source->PageSize());
        for (const auto& frame : source->Frames())
            page->Frames().AddFrame(frame->Copy(frame->FrameType != kFrameInside), frame->Key);
    }
    doc_->CurrentFrame("inside");
    doc_->CurrentX = 0;
    doc_->CurrentY = 0;
    return page ? key : std::string();
}

// ---- Frames and position ------------------------------------------------------------------

std::string Preview::AddFrame(const std::string& Name, const Variant& vxp, const Variant& vyp, const Variant& vw,
                              const Variant& vh) {
    auto page = doc_->currentPage();
    std::shared_ptr<cFrame> frame = page ? page->AddFrame(Name) : nullptr;
    if (frame) {
        skipOnError([&] { frame->xPos = C_Twips(vxp); });
        skipOnError([&] { frame->yPos = C_Twips(vyp); });
        skipOnError([&] { frame->Width = C_Twips(vw); });
        skipOnError([&] { frame->Height = C_Twips(vh); });
        doc_->CurrentFrame(frame->Key);
    }
    doc_->CurrentX = 0;
    doc_->CurrentY = 0;
    return frame ? frame->Key : std::string();
}

std::string Preview::CurrentPage() {
    if (doc_->CurrentPage().empty())
        addNewPage(*doc_, {Variant("0,5 in"), Variant("1.0 in"), Variant("0.5 in"), Variant("1.0 in"),
                           Variant(".75 in"), Variant::missing(), Variant::missing()});
    return doc_->CurrentPage();
}

void Preview::CurrentPage(const std::string& key) {
    if (auto page = doc_->pages().Item(std::string_view(key))) {
        doc_->CurrentPage(page->Key);
        doc_->CurrentFrame("");
        if (auto first = page->Frames().Item(1)) doc_->CurrentFrame(first->Key);
    }
    doc_->CurrentX = 0;
    doc_->CurrentY = 0;
}

std::string Preview::CurrentFrame() const { return doc_->CurrentFrame(); }

void Preview::CurrentFrame(const std::string& key) {
    auto page = doc_->currentPage();
    if (page && page->Frames().Contains(key)) doc_->CurrentFrame(key);
    doc_->CurrentX = 0;
    doc_->CurrentY = 0;
}

std::int32_t Preview::CurrentX() const { return doc_->CurrentX; }
void Preview::CurrentX(std::int32_t x) { doc_->CurrentX = x; }
std::int32_t Preview::CurrentY() const { return doc_->CurrentY; }
void Preview::CurrentY(std::int32_t y) { doc_->CurrentY = y; }

namespace {
template <class Get>
auto frameValue(const cDocument& doc, Get get) -> decltype(get(std::declval<cFrame&>())) {
    auto f = doc.currentFrame();
    return f ? get(*f) : decltype(get(*f)){};
}
void setFrameMeasure(const cDocument& doc, std::int32_t cFrame::*field, const Variant& v) {
    if (auto f = doc.currentFrame()) skipOnError([&] { (*f).*field = C_Twips(v); });
}
}  // namespace

std::int32_t Preview::FrameLeft() const { return frameValue(*doc_, [](cFrame& f) { return f.xPos; }); }
void Preview::FrameLeft(const Variant& v) { setFrameMeasure(*doc_, &cFrame::xPos, v); }
std::int32_t Preview::FrameTop() const { return frameValue(*doc_, [](cFrame& f) { return f.yPos; }); }
void Preview::FrameTop(const Variant& v) { setFrameMeasure(*doc_, &cFrame::yPos, v); }
std::int32_t Preview::FrameWidth() const { return frameValue(*doc_, [](cFrame& f) { return f.Width; }); }
void Preview::FrameWidth(const Variant& v) { setFrameMeasure(*doc_, &cFrame::Width, v); }
std::int32_t Preview::FrameHeight() const { return frameValue(*doc_, [](cFrame& f) { return f.Height; }); }
void Preview::FrameHeight(const Variant& v) { setFrameMeasure(*doc_, &cFrame::Height, v); }
bool Preview::ShowBorder() const { return frameValue(*doc_, [](cFrame& f) { return f.ShowBorder; }); }
void Preview::ShowBorder(bool show) {
    if (auto f = doc_->currentFrame()) f->ShowBorder = show;
}
std::int32_t Preview::BorderColor() const { return frameValue(*doc_, [](cFrame& f) { return f.Border.Color; }); }
void Preview::BorderColor(std::int32_t color) {
    if (auto f = doc_->currentFrame()) f->Border.Color = color;
}

// ---- Page geometry ---------------------------------------------------------------------------

namespace {
std::int32_t pageValue(const cDocument& doc, std::int32_t (cPage::*get)() const) {
    auto p = doc.currentPage();
    return p ? ((*p).*get)() : 0;
}
std::int32_t pageField(const cDocument& doc, std::int32_t cPage::*field) {
    auto p = doc.currentPage();
    return p ? (*p).*field : 0;
}
// Stores a converted measure on the current page, then lets the page recompute.
void setPageMeasure(const cDocument& doc, std::int32_t cPage::*field, const Variant& v, void (cPage::*recompute)()) {
    auto p = doc.currentPage();
    if (!p) return;
    skipOnError([&] { (*p).*field = C_Twips(v); });
    ((*p).*recompute)();
}
// After a change of sheet, the WholePage frame covers the new sheet.
void fitWholePage(cPage& page) {
    for (const auto& f : page.Frames())
        if (f->Key == "WholePage") {
            f->Width = page.PageWidth();
            f->Height = page.PageHeight();
        }
}
}  // namespace

std::int32_t Preview::PageMarginLeft() const { return pageField(*doc_, &cPage::PageMarginLeft); }
void Preview::PageMarginLeft(const Variant& v) { setPageMeasure(*doc_, &cPage::PageMarginLeft, v, &cPage::SetInside); }
std::int32_t Preview::PageMarginRight() const { return pageField(*doc_, &cPage::PageMarginRight); }
void Preview::PageMarginRight(const Variant& v) {
    setPageMeasure(*doc_, &cPage::PageMarginRight, v, &cPage::SetInside);
}
std::int32_t Preview::PageMarginTop() const { return pageField(*doc_, &cPage::PageMarginTop); }
void Preview::PageMarginTop(const Variant& v) { setPageMeasure(*doc_, &cPage::PageMarginTop, v, &cPage::SetInside); }
std::int32_t Preview::PageMarginBottom() const { return pageField(*doc_, &cPage::PageMarginBottom); }
void Preview::PageMarginBottom(const Variant& v) {
    setPageMeasure(*doc_, &cPage::PageMarginBottom, v, &cPage::SetInside);
}
std::int32_t Preview::PageHeaderSize() const { return pageField(*doc_, &cPage::PageHeaderSize); }
void Preview::PageHeaderSize(const Variant& v) { setPageMeasure(*doc_, &cPage::PageHeaderSize, v, &cPage::SetHeader); }
std::int32_t Preview::PageFooterSize() const { return pageField(*doc_, &cPage::PageFooterSize); }
void Preview::PageFooterSize(const Variant& v) { setPageMeasure(*doc_, &cPage::PageFooterSize, v, &cPage::SetFooter); }

std::int32_t Preview::PageInsideLeft() const { return pageField(*doc_, &cPage::PageInsideLeft); }
std::int32_t Preview::PageInsideTop() const { return pageField(*doc_, &cPage::PageInsideTop); }
std::int32_t Preview::PageInsideRight() const { return pageField(*doc_, &cPage::PageInsideRight); }
std::int32_t Preview::PageInsideBottom() const { return pageField(*doc_, &cPage::PageInsideBottom); }
std::int32_t Preview::PageInsideWidth() const { return pageValue(*doc_, &cPage::PageInsideWidth); }
std::int32_t Preview::PageInsideHeight() const { return pageValue(*doc_, &cPage::PageInsideHeight); }

std::int32_t Preview::PageWidth() const { return pageValue(*doc_, &cPage::PageWidth); }
namespace {

// A page beyond the largest one PDF readers show is refused before anything is laid out on it.
std::int32_t checkedPageSide(std::int32_t twips, const char* property) {
    if (twips < -limits::kPageTwips || twips > limits::kPageTwips)
        throw AutomationError(err::InvalidCall, property,
                              std::string(property) + " " + std::to_string(twips) + " is beyond the largest page side, " +
                                  std::to_string(limits::kPageTwips) + " twips (200 inches)");
    return twips;
}

}  // namespace

void Preview::PageWidth(std::int32_t width) {
    if (auto p = doc_->currentPage()) p->PageWidth(checkedPageSide(width, "PageWidth"));
}
std::int32_t Preview::PageHeight() const { return pageValue(*doc_, &cPage::PageHeight); }
void Preview::PageHeight(std::int32_t height) {
    if (auto p = doc_->currentPage()) p->PageHeight(checkedPageSide(height, "PageHeight"));
}

std::int32_t Preview::PageSize() const {
    auto p = doc_->currentPage();
    return p ? p->PageSize() : 0;
}

void Preview::PageSize(std::int32_t size) {
    if (doc_->PagesCount() == 1) doc_->Style.PageSize = size;
    if (auto p = doc_->currentPage()) {
        p->PageSize(size);
        fitWholePage(*p);
    }
}

std::int32_t Preview::Orientation() const {
    auto p = doc_->currentPage();
    return p ? p->Style.Orientation : doc_->Style.Orientation;
}

// Changing the orientation turns the current page's sheet: the inside rectangle, the standard
// frames and WholePage follow. On a one-page document the document style turns too, so that
// the pages added next have the same orientation.
void Preview::Orientation(std::int32_t orientation) {
    auto p = doc_->currentPage();
    if (!p || p->Style.Orientation == orientation) return;
    p->Style.Orientation = orientation;
    if (doc_->PagesCount() == 1) doc_->Style.Orientation = orientation;
    p->SetInside();
    fitWholePage(*p);
}

// ---- Document -------------------------------------------------------------------------------

void Preview::DocInfoSet(const std::string& Item, const std::string& Value) {
    auto& info = doc_->DocInfo;
    for (auto it = info.begin(); it != info.end(); ++it)
        if (it->first == Item) {
            info.erase(it);
            break;
        }
    info.emplace_back(Item, Value);
}

std::string Preview::DocInfoGet(const std::string& Item) const {
    for (const auto& [name, value] : doc_->DocInfo)
        if (name == Item) return value;
    return "not found";
}

std::int32_t Preview::TotalPages() const { return doc_->PagesCount(); }

void Preview::KillDoc() { doc_ = std::make_unique<cDocument>(); }

void Preview::DeletePage(std::int32_t start, std::int32_t nEnd) {
    if (nEnd == -1) nEnd = start;
    for (std::int32_t i = start; i <= nEnd; ++i) doc_->pages().Remove(start);
}

void Preview::ClearPage(std::int32_t start, std::int32_t nEnd) {
    if (nEnd == -1) nEnd = start;
    for (std::int32_t i = start; i <= nEnd; ++i)
        if (auto p = doc_->pages().Item(i)) p->Frames().Clear();
}

void Preview::ClearFrame() {
    if (auto f = doc_->currentFrame()) f->Clear();
}

}  // namespace kalder
