// Column report members of Preview: the current report's columns and options, Tabulate, and
// the reports over a recordset, an array of collections and a grid's model.
#include <QAbstractItemModel>

#include "core/Locale.h"
#include "core/TextMeasurer.h"
#include "document/cDocument.h"
#include "graphics/LineStep.h"
#include "kalder/Preview.h"
#include "kalder/Report.h"
#include "platform/ErrorMessage.h"
#include "reports/MemoryRecordset.h"
#include "reports/ModelRecordset.h"
#include "reports/ReportRun.h"
#include "reports/RowWriter.h"
#include "reports/ValueFormat.h"

namespace kalder {

cReport& Preview::Report() { return *report_; }

void Preview::NewReport() { report_ = std::make_unique<cReport>(); }

void Preview::NewColumn(const std::string& Id, const std::string& Title, std::int32_t ColWidth,
                        std::int32_t ColSpaceLeft, std::int32_t ColSpaceRight, std::int32_t DecSpace,
                        std::int32_t Align, const Variant& Fmt, std::int32_t FormatType, std::int32_t CalcType) {
    report_->ReportCols.AddCol(Id, Title, ColWidth, ColSpaceLeft, ColSpaceRight, DecSpace, Align, Fmt, FormatType,
                               CalcType);
}

void Preview::ModifyColumn(const std::string& Id, const Variant& Title, std::int32_t ColWidth,
                           std::int32_t ColSpaceLeft, std::int32_t ColSpaceRight, std::int32_t DecSpace,
                           std::int32_t Align, const Variant& Fmt, std::int32_t FormatType, std::int32_t CalcType) {
    auto col = report_->ReportCols.Item(Id);
    if (!Title.isMissing()) col->Title = Title.toString();
    if (!Fmt.isMissing()) col->Fmt = Fmt;
    for (auto [value, field] : {std::pair{ColWidth, &cReportCol::ColWidth}, {ColSpaceLeft, &cReportCol::ColSpaceLeft},
                                {ColSpaceRight, &cReportCol::ColSpaceRight}, {DecSpace, &cReportCol::DecSpace},
                                {Align, &cReportCol::Align}, {FormatType, &cReportCol::FormatType},
                                {CalcType, &cReportCol::CalcType}})
        if (value != -1) (*col).*field = value;
}

void Preview::ModifyReport(const Variant& GroupCol, const Variant& LineAroundReport, const Variant& LineBeforeCalc,
                           const Variant& LineAfterCalc, const Variant& ShowVerticalLines,
                           const Variant& ShowHorizontalLines) {
    // Converted first, so that a value that is no Boolean changes nothing.
    std::pair<const Variant*, bool cReport::*> flags[] = {{&LineAroundReport, &cReport::LineAroundReport},
                                                          {&LineBeforeCalc, &cReport::LineBeforeCalc},
                                                          {&LineAfterCalc, &cReport::LineAfterCalc},
                                                          {&ShowVerticalLines, &cReport::ShowVerticalLines},
                                                          {&ShowHorizontalLines, &cReport::ShowHorizontalLines}};
    bool values[5] = {};
    for (std::size_t i = 0; i < 5; ++i)
        if (!flags[i].first->isMissing()) values[i] = flags[i].first->toBool();
    if (!GroupCol.isMissing()) report_->GroupCol = GroupCol;
    for (std::size_t i = 0; i < 5; ++i)
        if (!flags[i].first->isMissing()) (*report_).*flags[i].second = values[i];
}

bool Preview::Tabulate(const FastCollection& colFieldValues, const FastCollection& colFieldDefs, const Variant& CX,
                       const Variant& CY, std::int32_t etsStep) {
    if (etsStep < prASNone || etsStep > prASCopypage) throw AutomationError(997, "Tabulate", "Bad Step");
    // Every definition is read before anything is written.
    std::vector<FieldDef> fields;
    std::vector<std::string> texts;
    for (std::int32_t i = 1; i <= colFieldDefs.Count(); ++i) {
        fields.push_back(parseFieldDef(colFieldDefs.ItemByIndex(i).toString()));
        texts.push_back(i <= colFieldValues.Count() ? colFieldValues.ItemByIndex(i).toString() : "");
    }
    const std::int32_t x = CX.isMissing() ? doc_->CurrentX : C_Twips(CX);
    const std::int32_t y = CY.isMissing() ? doc_->CurrentY : C_Twips(CY);
    auto frame = doc_->currentFrame();
    if (!frame) return false;
    const std::int32_t height = writeRow(*this, *doc_, fields, texts, x, y);
    doc_->CurrentX = x;
    doc_->CurrentY = y;
    if (etsStep == prASNone) return true;
    doc_->CurrentY = y + height;
    // A page step: when a row as tall would not fit below, the next row goes on a new page.
    if (etsStep != prASLine && static_cast<long long>(y) + 2LL * height > frame->Height) {
        continueOnNewPage(*this, *doc_, etsStep);
        doc_->CurrentX = x;
    }
    return true;
}

void Preview::ReportHeaders(Recordset& oRecordset) {
    auto frame = doc_->currentFrame();
    const cStyle style = frame ? frame->CurrentStyle : doc_->Style;
    for (const RecordField& field : oRecordset.fields()) {
        bool known = false;
        for (const auto& col : report_->ReportCols.NewEnum()) known = known || lowerAscii(col->Id) == lowerAscii(field.name);
        if (known) continue;
        std::int32_t format = prFMGeneral;
        switch (field.type) {
            case fieldtype::SmallInt:
            case fieldtype::Integer:
            case fieldtype::Single:
            case fieldtype::Double:
            case fieldtype::BigInt:
            case fieldtype::Numeric: format = prFMNumber; break;
            case fieldtype::Currency: format = prFMCurrency; break;
            case fieldtype::Date: format = prFMDateTime; break;
            default: break;
        }
        report_->ReportCols.AddCol(field.name, field.name, roundToLong(TextMeasurer::width(style, field.name)), 150,
                                   150, 300, prCALeft, defaultFormatArguments(field.type), format, prCCNone);
    }
}

void Preview::RecordsetReport(Recordset& oRecordset, bool Headers, bool bWidths, std::int32_t etsStep) {
    if (etsStep < prASNone || etsStep > prASCopypage) throw AutomationError(997, "RecordsetReport", "Bad Step");
    if (Headers) ReportHeaders(oRecordset);
    if (bWidths) widenColumns(*doc_, *report_, oRecordset);
    runReport(*this, *doc_, *report_, oRecordset, etsStep);
}

void Preview::ArrayReport(const std::vector<std::shared_ptr<FastCollection>>& Dt, std::int32_t etsStep) {
    std::vector<RecordField> fields;
    for (const auto& col : report_->ReportCols.NewEnum()) fields.push_back({col->Id, fieldtype::Text});
    MemoryRecordset rows(fields);
    for (const auto& row : Dt) {
        std::vector<Variant> values;
        for (const RecordField& f : fields) {
            // A row without an item for a column leaves that cell empty.
            try {
                values.push_back(row ? row->ItemByKey(f.name) : Variant());
            } catch (const AutomationError&) {
                values.emplace_back();
            }
        }
        rows.add(std::move(values));
    }
    RecordsetReport(rows, false, false, etsStep);
}

void Preview::GridReport(const QAbstractItemModel& Grid, std::int32_t etsStep) {
    try {
        ModelRecordset rows(Grid);
        RecordsetReport(rows, report_->ReportCols.Count() == 0, report_->ReportCols.Count() == 0, etsStep);
    } catch (const AutomationError& e) {
        showErrorMessage("Kalder", "Kalder error in GridPreview " + e.description());
    }
}

}  // namespace kalder
