#include "reports/ReportRun.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/Locale.h"
#include "core/TextMeasurer.h"
#include "document/cDocument.h"
#include "graphics/LineStep.h"
#include "kalder/Preview.h"
#include "kalder/Recordset.h"
#include "kalder/Report.h"
#include "reports/RowWriter.h"
#include "reports/ValueFormat.h"

namespace kalder {

namespace {

constexpr const char* kFormatError = "Error in format";

// A cell's text: the value formatted by its column, or "Error in format" with the first such
// error kept in `error` (when given) to be raised once the report is written.
std::string cellText(const Variant& v, const cReportCol& col, std::exception_ptr* error) {
    try {
        return formatEntry(v, col.FormatType, col.Fmt);
    } catch (const AutomationError&) {
        if (error && !*error) *error = std::current_exception();
        return kFormatError;
    }
}
constexpr std::int32_t kInvisible = 5;

struct Column {
    std::shared_ptr<cReportCol> col;
    std::size_t field = 0;
    std::int32_t left = 0;  // of its text area, relative to the report's x
};

// A column's running calculation.
struct Calc {
    long long count = 0, numbers = 0;
    double sum = 0, min = 0, max = 0;
    void add(const Variant& v) {
        if (v.isEmpty()) return;
        ++count;
        if (!v.isNumeric()) return;
        const double d = v.toDouble();
        min = numbers ? std::min(min, d) : d;
        max = numbers ? std::max(max, d) : d;
        sum += d;
        ++numbers;
    }
};

std::vector<Column> bind(const cReport& report, Recordset& rows, const char* source) {
    const std::vector<RecordField> fields = rows.fields();
    std::vector<Column> columns;
    std::int32_t x = 0;
    for (const auto& col : report.ReportCols.NewEnum()) {
        const std::string id = lowerAscii(col->Id);
        auto it = std::find_if(fields.begin(), fields.end(), [&](const RecordField& f) { return lowerAscii(f.name) == id; });
        if (it == fields.end())
            throw AutomationError(3265, source,
                                  "Item cannot be found in the collection corresponding to the requested name or "
                                  "ordinal: " + col->Id);
        if (col->Align < prCALeft || col->Align > prCADecimal)
            throw AutomationError(err::InvalidCall, source, "ReportFormat Error");
        columns.push_back({col, static_cast<std::size_t>(it - fields.begin()), x + col->ColSpaceLeft});
        x += col->ColSpaceLeft + col->ColWidth + col->ColSpaceRight;
    }
    return columns;
}

// The report's group column: GroupCol as a column Id or a 1-based position; none when empty.
std::optional<std::size_t> groupColumn(const cReport& report, const std::vector<Column>& columns) {
    const Variant& g = report.GroupCol;
    if (g.isEmpty() || g.isMissing() || (g.isString() && g.toString().empty())) return std::nullopt;
    if (g.isNumber()) {
        const auto i = g.toLong();
        if (i < 1 || static_cast<std::size_t>(i) > columns.size())
            throw AutomationError(err::SubscriptOutOfRange, "RecordsetReport", "GroupCol " + g.toString() + " is no column");
        return static_cast<std::size_t>(i - 1);
    }
    const std::string id = lowerAscii(g.toString());
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (lowerAscii(columns[i].col->Id) == id) return i;
    throw AutomationError(err::SubscriptOutOfRange, "RecordsetReport", "GroupCol \"" + g.toString() + "\" is no column");
}

class Run {
public:
    Run(Preview& pv, cDocument& doc, cReport& report, Recordset& rows, std::int32_t step)
        : pv_(pv), doc_(doc), report_(report), rows_(rows), step_(step),
          columns_(bind(report, rows, "RecordsetReport")), group_(groupColumn(report, columns_)) {
        for (const Column& c : columns_) {
            FieldDef f;
            f.align = "lrcd"[c.col->Align];
            f.pos = c.left;
            f.width = c.col->ColWidth;
            f.decSpace = c.col->DecSpace;
            fields_.push_back(f);
            titleFields_.push_back(f);
            if (f.align == 'd') titleFields_.back().align = 'r';
            width_ += c.col->ColSpaceLeft + c.col->ColWidth + c.col->ColSpaceRight;
            calculates_ = calculates_ || c.col->CalcType != prCCNone;
            hidden_ = hidden_ || c.col->ColWidth <= 0;
        }
        groupCalcs_.resize(columns_.size());
        grandCalcs_.resize(columns_.size());
    }

    void run() {
        auto frame = doc_.currentFrame();
        if (!frame) return;
        frameKey_ = frame->Key;
        x_ = doc_.CurrentX;
        y_ = doc_.CurrentY;
        partTop_ = y_;
        header();
        std::vector<std::string> texts(columns_.size());
        std::vector<Variant> values(columns_.size());
        std::optional<std::string> groupValue;
        for (rows_.moveFirst(); !rows_.atEnd(); rows_.moveNext()) {
            for (std::size_t i = 0; i < columns_.size(); ++i) {
                values[i] = rows_.value(columns_[i].field);
                texts[i] = format(values[i], *columns_[i].col);
            }
            const std::vector<std::string>& shown = hidden_ ? visible(texts) : texts;
            if (group_ && (!groupValue || texts[*group_] != *groupValue)) {
                if (groupValue) calcRow("Total " + *groupValue, groupCalcs_);
                groupValue = texts[*group_];
                groupText_ = *groupValue;
                std::fill(groupCalcs_.begin(), groupCalcs_.end(), Calc{});
                heading(*groupText_, rowHeight(texts));
            }
            room(rowHeight(shown));
            y_ += writeRow(pv_, doc_, fields_, shown, x_, y_);
            if (report_.ShowHorizontalLines) rule(report_.HorizontalLine, y_);
            for (std::size_t i = 0; i < columns_.size(); ++i) {
                groupCalcs_[i].add(values[i]);
                grandCalcs_[i].add(values[i]);
            }
        }
        if (groupValue) calcRow("Total " + *groupValue, groupCalcs_);
        groupText_.reset();
        if (calculates_) calcRow("Grand total", grandCalcs_);
        closePart();
        doc_.CurrentX = x_;
        doc_.CurrentY = y_;
        if (formatError_) std::rethrow_exception(formatError_);
    }

private:
    // The texts with those of hidden columns (ColWidth 0) left out: such a column groups or
    // calculates without showing its values.
    const std::vector<std::string>& visible(const std::vector<std::string>& texts) {
        shown_ = texts;
        for (std::size_t i = 0; i < columns_.size(); ++i)
            if (columns_[i].col->ColWidth <= 0) shown_[i].clear();
        return shown_;
    }

    std::string format(const Variant& v, const cReportCol& col) { return cellText(v, col, &formatError_); }

    // The height a row of these texts takes: one line, or the lines of its tallest value
    // with line breaks, wrapped to its field as a paragraph wraps.
    std::int32_t rowHeight(const std::vector<std::string>& texts) const {
        const cStyle& style = doc_.currentFrame()->CurrentStyle;
        const std::int32_t step = lineStep(style);
        std::int32_t lines = 1;
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (texts[i].find('\n') != std::string::npos) lines = std::max(lines, linesOf(style, texts[i], fields_[i].width));
        return step * lines;
    }

    static std::int32_t linesOf(const cStyle& style, std::string_view text, std::int32_t width) {
        std::int32_t lines = 0;
        for (std::size_t from = 0; from <= text.size();) {
            std::size_t end = text.find('\n', from);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(from, end - from);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            // Greedy by words, as the paragraph pours them.
            double used = 0;
            ++lines;
            for (std::size_t w = 0; w < line.size();) {
                std::size_t next = line.find(' ', w);
                if (next == std::string_view::npos) next = line.size();
                const double word = TextMeasurer::width(style, line.substr(w, next - w + 1));
                if (used > 0 && width > 0 && used + word > width) ++lines, used = 0;
                used += word;
                w = next + 1;
            }
            from = end + 1;
        }
        return lines;
    }

    // Makes room for `height` below the current row: a new page when it does not fit and
    // something of the report is already on this page.
    void room(std::int32_t height) {
        auto frame = doc_.currentFrame();
        if (static_cast<long long>(y_) + height <= frame->Height || y_ <= bodyTop_) return;
        newPage();
    }

    void newPage() {
        closePart();
        if (!continueOnNewPage(pv_, doc_, step_, frameKey_))
            throw AutomationError(err::InvalidCall, "RecordsetReport", "The report's frame is not on the new page");
        y_ = 0;
        partTop_ = y_;
        header();
        if (groupText_) heading(*groupText_ + " (continued)", 0);
    }

    // The column titles in bold, ruled below.
    void header() {
        std::vector<std::string> titles;
        for (const Column& c : columns_) titles.push_back(c.col->Title);
        y_ += bold([&] { return writeRow(pv_, doc_, titleFields_, titles, x_, y_); });
        rule(report_.HorizontalLine, y_);
        bodyTop_ = y_;
    }

    // A group heading, kept with the `next` row's height below it.
    void heading(const std::string& text, std::int32_t next) {
        const std::int32_t step = lineStep(doc_.currentFrame()->CurrentStyle);
        room(step + next);
        // From the first shown column's text, like the rows' first values.
        std::int32_t left = 0;
        for (const Column& c : columns_)
            if (c.col->ColWidth > 0) {
                left = c.left;
                break;
            }
        bold([&] {
            pv_.AddTextAt(text, static_cast<double>(x_) + left, y_, prALLeft, prASNone);
            return 0;
        });
        y_ += step;
    }

    void calcRow(const std::string& label, const std::vector<Calc>& calcs) {
        if (!calculates_) return;
        std::vector<std::string> texts(columns_.size());
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const cReportCol& col = *columns_[i].col;
            const Calc& c = calcs[i];
            switch (col.CalcType) {
                case prCCCount: texts[i] = std::to_string(c.count); break;
                case prCCSum: texts[i] = format(c.sum, col); break;
                case prCCMin: texts[i] = c.numbers ? format(c.min, col) : ""; break;
                case prCCMax: texts[i] = c.numbers ? format(c.max, col) : ""; break;
                case prCCAverage: texts[i] = c.numbers ? format(c.sum / static_cast<double>(c.numbers), col) : ""; break;
                default: break;
            }
        }
        // The label goes in the first shown column that calculates nothing, read from its left
        // whatever that column's alignment.
        std::vector<FieldDef> fields = fields_;
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (columns_[i].col->CalcType == prCCNone && columns_[i].col->ColWidth > 0) {
                texts[i] = label;
                fields[i].align = 'l', fields[i].width = 0;
                break;
            }
        const std::int32_t step = lineStep(doc_.currentFrame()->CurrentStyle);
        room(step);
        if (report_.LineBeforeCalc) rule(report_.LineBefore, y_);
        y_ += bold([&] { return writeRow(pv_, doc_, fields, texts, x_, y_); });
        if (report_.LineAfterCalc) rule(report_.LineAfter, y_);
    }

    template <class Write>
    std::int32_t bold(Write write) {
        auto frame = doc_.currentFrame();
        const bool was = frame->CurrentStyle.Bold;
        if (!was) pv_.FontBold(true);
        const std::int32_t h = write();
        if (!was) pv_.FontBold(false);
        return h;
    }

    // A line in `line`'s style from (x1, y1) to (x2, y2), frame twips.
    void line(const cLineStyle& ls, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
              std::int32_t box = prLBLine) {
        if (ls.LineType == kInvisible) return;
        cStyle drawn = doc_.currentFrame()->CurrentStyle;
        drawn.LineStyle = ls;
        drawn.FillStyle = 1;  // transparent: a box around the report does not hide it
        const StyleScope scope(doc_, drawn);
        pv_.DrawLine(Variant(static_cast<double>(x1)), Variant(static_cast<double>(y1)),
                     Variant(static_cast<double>(x2)), Variant(static_cast<double>(y2)), box);
    }

    void rule(const cLineStyle& ls, std::int32_t y) { line(ls, x_, y, static_cast<std::int64_t>(x_) + width_, y); }

    // The vertical lines and the box of the report's part on this page.
    void closePart() {
        if (y_ <= partTop_) return;
        if (report_.ShowVerticalLines) {
            std::int64_t x = x_;
            for (std::size_t i = 0; i + 1 < columns_.size(); ++i) {
                const cReportCol& c = *columns_[i].col;
                x += c.ColSpaceLeft + c.ColWidth + c.ColSpaceRight;
                line(report_.VerticalLine, x, partTop_, x, y_);
            }
        }
        if (report_.LineAroundReport) line(report_.LineAround, x_, partTop_, static_cast<std::int64_t>(x_) + width_, y_, prLBBox);
    }

    Preview& pv_;
    cDocument& doc_;
    cReport& report_;
    Recordset& rows_;
    std::int32_t step_;
    std::vector<Column> columns_;
    std::optional<std::size_t> group_;
    std::vector<FieldDef> fields_, titleFields_;
    std::vector<Calc> groupCalcs_, grandCalcs_;
    std::optional<std::string> groupText_;  // the open group's heading
    std::string frameKey_;
    std::int32_t width_ = 0;
    bool calculates_ = false, hidden_ = false;
    std::vector<std::string> shown_;
    std::int32_t x_ = 0, y_ = 0, partTop_ = 0, bodyTop_ = 0;
    std::exception_ptr formatError_;
};

}  // namespace

void runReport(Preview& pv, cDocument& doc, cReport& report, Recordset& rows, std::int32_t etsStep) {
    Run(pv, doc, report, rows, etsStep).run();
}

void widenColumns(cDocument& doc, cReport& report, Recordset& rows) {
    auto frame = doc.currentFrame();
    if (!frame) return;
    const cStyle& style = frame->CurrentStyle;
    const std::vector<Column> columns = bind(report, rows, "RecordsetReport");
    std::vector<double> widest(columns.size(), 0);
    for (rows.moveFirst(); !rows.atEnd(); rows.moveNext())
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const std::string text = cellText(rows.value(columns[i].field), *columns[i].col, nullptr);
            widest[i] = std::max(widest[i], TextMeasurer::width(style, text));
        }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        cReportCol& col = *columns[i].col;
        if (col.ColWidth <= 0) continue;  // hidden, and staying so
        const std::int32_t needed = static_cast<std::int32_t>(std::ceil(widest[i]));
        if (needed > col.ColWidth) col.ColWidth = needed;
    }
}

}  // namespace kalder
