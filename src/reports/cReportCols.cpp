#include "kalder/Report.h"

namespace kalder {

cReportCols::cReportCols() : items_(std::make_shared<FastCollection>()) {}

void cReportCols::Add(std::shared_ptr<cReportCol> column) {
    const std::string id = column->Id;
    items_->Add(Variant(std::shared_ptr<Object>(std::move(column))), id);
}

std::shared_ptr<cReportCol> cReportCols::AddCol(const std::string& Id, const std::string& Title,
                                                std::int32_t ColWidth, std::int32_t ColSpaceLeft,
                                                std::int32_t ColSpaceRight, std::int32_t DecSpace, std::int32_t Align,
                                                const Variant& Fmt, std::int32_t FormatType, std::int32_t CalcType) {
    auto col = std::make_shared<cReportCol>();
    col->Id = Id;
    col->Title = Title;
    col->ColWidth = ColWidth;
    col->ColSpaceLeft = ColSpaceLeft;
    col->ColSpaceRight = ColSpaceRight;
    col->DecSpace = DecSpace;
    col->Align = Align;
    col->Fmt = Fmt;
    col->FormatType = FormatType;
    col->CalcType = CalcType;
    Add(col);
    return col;
}

std::shared_ptr<cReportCol> cReportCols::Item(const Variant& indexOrId) const {
    return items_->Item(indexOrId).objectAs<cReportCol>();
}

std::int32_t cReportCols::Count() const noexcept { return items_->Count(); }

void cReportCols::Remove(const Variant& indexOrId) { items_->Remove(indexOrId); }

std::vector<std::shared_ptr<cReportCol>> cReportCols::NewEnum() const {
    std::vector<std::shared_ptr<cReportCol>> out;
    out.reserve(static_cast<std::size_t>(Count()));
    for (const Variant& v : *items_) out.push_back(v.objectAs<cReportCol>());
    return out;
}

}  // namespace kalder
