// The column report model: cReport (the current report of a Preview), its columns
// (cReportCols, keyed by column Id) and one column (cReportCol). Rows come from a
// Recordset, an array of FastCollection rows or a grid model, through Preview's
// RecordsetReport, ArrayReport and GridReport; the layout those give is described in the
// README ("Column reports").
//
// cReportCols behaves as a FastCollection of columns: Item by 1-based position or by Id
// (Ids compare without regard to case), and the collection's errors (457 an Id used twice,
// 381 no such position or Id).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kalder/Enums.h"
#include "kalder/FastCollection.h"
#include "kalder/Variant.h"
#include "kalder/cLineStyle.h"

namespace kalder {

class cReportCol : public Object {
public:
    std::string Id;     // the field name or key that supplies the value
    std::string Title;  // the header text
    std::int32_t ColWidth = 0;       // twips, the text area
    std::int32_t ColSpaceLeft = 0;   // twips before the text area
    std::int32_t ColSpaceRight = 0;  // twips after it
    std::int32_t DecSpace = 0;       // twips right of the decimal mark, for prCADecimal
    std::int32_t Align = prCALeft;   // eColAlign
    Variant Fmt;                     // a format pattern or a digit count, by FormatType
    std::int32_t FormatType = prFMGeneral;  // eFormatType
    std::int32_t CalcType = prCCNone;       // eCalcType
};

class cReportCols {
public:
    cReportCols();
    // Adds `column` under its Id.
    void Add(std::shared_ptr<cReportCol> column);
    // Makes a column with these values and adds it; returns it.
    std::shared_ptr<cReportCol> AddCol(const std::string& Id, const std::string& Title, std::int32_t ColWidth,
                                       std::int32_t ColSpaceLeft, std::int32_t ColSpaceRight, std::int32_t DecSpace,
                                       std::int32_t Align, const Variant& Fmt, std::int32_t FormatType,
                                       std::int32_t CalcType);
    std::shared_ptr<cReportCol> Item(const Variant& indexOrId) const;
    std::int32_t Count() const noexcept;
    void Remove(const Variant& indexOrId);
    std::vector<std::shared_ptr<cReportCol>> NewEnum() const;

private:
    std::shared_ptr<FastCollection> items_;
};

class cReport {
public:
    cReportCols ReportCols;
    Variant GroupCol;  // the Id of the column whose change of value starts a group; empty: none
    bool LineAroundReport = false;
    cLineStyle LineAround;
    bool LineBeforeCalc = false;
    cLineStyle LineBefore;
    bool LineAfterCalc = false;
    cLineStyle LineAfter;
    bool ShowVerticalLines = false;
    cLineStyle VerticalLine;
    bool ShowHorizontalLines = false;
    cLineStyle HorizontalLine;  // lines between rows, and the rule under the header row
};

}  // namespace kalder
