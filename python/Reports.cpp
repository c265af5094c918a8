// The column report model (Preview.Report: columns and rulings), line styles, and the
// recordsets a report reads: SqlRecordset over a database string, and Recordset, which a
// Python class may implement to feed a report from rows of its own.
#include "Binding.h"

#include "kalder/Report.h"
#include "kalder/SqlRecordset.h"

namespace kalder::python {

namespace {

// Rows from Python: fields() returns (name, type) pairs (type numbers as in Recordset.h).
class PyRecordset : public Recordset {
public:
    std::vector<RecordField> fields() const override {
        py::gil_scoped_acquire gil;
        py::function f = py::get_override(this, "fields");
        if (!f) py::pybind11_fail("Recordset.fields is not implemented");
        std::vector<RecordField> out;
        for (py::handle field : f()) {
            auto pair = field.cast<std::pair<std::string, std::int32_t>>();
            out.push_back({pair.first, pair.second});
        }
        return out;
    }
    void moveFirst() override { PYBIND11_OVERRIDE_PURE(void, Recordset, moveFirst, ); }
    void moveNext() override { PYBIND11_OVERRIDE_PURE(void, Recordset, moveNext, ); }
    bool atEnd() const override { PYBIND11_OVERRIDE_PURE(bool, Recordset, atEnd, ); }
    Variant value(std::size_t index) const override { PYBIND11_OVERRIDE_PURE(Variant, Recordset, value, index); }
};

}  // namespace

void bindReports(py::module_& m) {
    py::class_<cLineStyle>(m, "cLineStyle")
        .def(py::init<>())
        .def_readwrite("LineType", &cLineStyle::LineType)
        .def_readwrite("LineWidth", &cLineStyle::LineWidth)
        .def_readwrite("Color", &cLineStyle::Color);

    py::class_<cReportCol, Object, std::shared_ptr<cReportCol>>(m, "cReportCol")
        .def_readwrite("Id", &cReportCol::Id)
        .def_readwrite("Title", &cReportCol::Title)
        .def_readwrite("ColWidth", &cReportCol::ColWidth)
        .def_readwrite("ColSpaceLeft", &cReportCol::ColSpaceLeft)
        .def_readwrite("ColSpaceRight", &cReportCol::ColSpaceRight)
        .def_readwrite("DecSpace", &cReportCol::DecSpace)
        .def_readwrite("Align", &cReportCol::Align)
        .def_readwrite("Fmt", &cReportCol::Fmt)
        .def_readwrite("FormatType", &cReportCol::FormatType)
        .def_readwrite("CalcType", &cReportCol::CalcType);

    py::class_<cReportCols>(m, "cReportCols")
        .def("Item", &cReportCols::Item, py::arg("indexOrId"))
        .def("Remove", &cReportCols::Remove, py::arg("indexOrId"))
        .def_property_readonly("Count", &cReportCols::Count)
        .def("__len__", &cReportCols::Count)
        .def("__getitem__", &cReportCols::Item)
        .def("__iter__", [](const cReportCols& c) { return py::iter(py::cast(c.NewEnum())); });

    // Reached through Preview.Report, which lives as long as its Preview.
    py::class_<cReport>(m, "cReport")
        .def_readonly("ReportCols", &cReport::ReportCols)
        .def_readwrite("GroupCol", &cReport::GroupCol)
        .def_readwrite("LineAroundReport", &cReport::LineAroundReport)
        .def_readwrite("LineAround", &cReport::LineAround)
        .def_readwrite("LineBeforeCalc", &cReport::LineBeforeCalc)
        .def_readwrite("LineBefore", &cReport::LineBefore)
        .def_readwrite("LineAfterCalc", &cReport::LineAfterCalc)
        .def_readwrite("LineAfter", &cReport::LineAfter)
        .def_readwrite("ShowVerticalLines", &cReport::ShowVerticalLines)
        .def_readwrite("VerticalLine", &cReport::VerticalLine)
        .def_readwrite("ShowHorizontalLines", &cReport::ShowHorizontalLines)
        .def_readwrite("HorizontalLine", &cReport::HorizontalLine);

    py::class_<Recordset, PyRecordset>(m, "Recordset")
        .def(py::init<>())
        .def("fields", [](const Recordset& r) {
            py::list out;
            for (const RecordField& f : r.fields()) out.append(py::make_tuple(f.name, f.type));
            return out;
        })
        .def("moveFirst", &Recordset::moveFirst)
        .def("moveNext", &Recordset::moveNext)
        .def("atEnd", &Recordset::atEnd)
        .def("value", &Recordset::value, py::arg("index"));

    // Qt Sql connections belong to the thread that opened them: use a recordset where it was made.
    py::class_<SqlRecordset, Recordset>(m, "SqlRecordset")
        .def(py::init(&SqlRecordset::open), py::arg("database"), py::arg("sql"),
             "An SQLite file path or a PostgreSQL connection string, and the query to run.")
        .def_static("open", &SqlRecordset::open, py::arg("database"), py::arg("sql"));
}

}  // namespace kalder::python
