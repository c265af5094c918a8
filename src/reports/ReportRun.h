// The row loop of a column report: the rows of a Recordset laid out in the report's columns
// across the current frame, from the current position down, over as many pages as it takes.
//
// Layout (the README's "Column reports" shows a page):
//  - columns side by side from CurrentX: each takes ColSpaceLeft + ColWidth + ColSpaceRight,
//    its value in the ColWidth part, aligned by its Align (decimal: the mark DecSpace from
//    the right of the text area);
//  - a column of ColWidth 0 is hidden: it groups and calculates without showing its values;
//  - a header row of the column titles in bold, ruled below in the HorizontalLine style, at
//    the top of the report and again on every page;
//  - with GroupCol, a heading (the group's value, bold) before each group and, when any
//    column calculates, a calculation row "Total <value>" after it; a group going on on the
//    next page repeats its heading followed by " (continued)";
//  - a calculation row "Grand total" at the end when any column calculates; calculation rows
//    are bold, with LineBefore above and LineAfter below when those are on; Count counts the
//    non-empty values, Sum, Min, Max and Average take the numeric ones, formatted as the
//    column formats its values;
//  - ShowHorizontalLines rules every row; ShowVerticalLines draws the lines between columns,
//    and LineAroundReport a box, around the part of the report on each page;
//  - a row that does not fit the rest of the frame starts a new page made from the current
//    page (its template: frames, header, footer), and the report goes on at the top of the
//    same frame; a group heading is kept with its first row, and a row with line breaks
//    (a paragraph) with itself. With etsStep prASInside the new page is a fresh page with
//    the current page's margins, and the report goes on in its "inside" frame.
// After the report CurrentY is below its last row.
//
// A value that cannot be formatted shows "Error in format" in its cell; the report is
// written to the end and then the first such error is raised (13 "FormatEntry" "Error in
// Format"). A column Id that names no field raises 3265 before anything is written; an error
// of the recordset midway (a lost connection) is raised as it comes, the rows before it kept.
#pragma once

#include <cstdint>

namespace kalder {

class Preview;
class cDocument;
class cReport;
class Recordset;

void runReport(Preview& pv, cDocument& doc, cReport& report, Recordset& rows, std::int32_t etsStep);

// Widens every column whose values (formatted, in the frame's running style) are wider than
// its ColWidth; a hidden column (ColWidth 0) stays hidden.
void widenColumns(cDocument& doc, cReport& report, Recordset& rows);

}  // namespace kalder
