// Preview for Python. C++ getter/setter pairs are properties, getters without a setter are
// read-only properties (verbs such as GetAllStyles and SaveXMLString stay methods), methods
// keep their names and argument names, and an optional Variant argument defaults to None,
// meaning "not given". Getters that take an argument (PaperBin, PaperSize) stay methods with
// a reading and a writing form, as in C++.
//
// onProgress takes a callable(done, total) whose true result stops the export or print run at
// the next page (AutomationError 18); an exception it raises goes through as it is.
// Events: onCustomButtonClick, onPrintComplete and onPrintCancel take a callable or None. An
// exception raised in a callback must not unwind through the library (it may be inside Qt's
// event loop, or between two steps of EndDocument); it is kept and raised from the call that
// raised the event, once that call has finished its work.
#include "Binding.h"

#include <QByteArray>
#include <QImage>

#include <optional>

#include "kalder/Preview.h"
#include "kalder/Recordset.h"
#include "kalder/Report.h"

namespace kalder::python {

namespace {

// The Preview with the Python side of its events.
class PyPreview : public Preview {
public:
    enum Event { CustomButtonClick, PrintComplete, PrintCancel };

    PyPreview() {
        onCustomButtonClick = [this] { raise(CustomButtonClick); };
        onPrintComplete = [this] { raise(PrintComplete); };
        onPrintCancel = [this] { raise(PrintCancel); };
        // Called between pages, outside any event loop: an exception the callable raises
        // goes straight through the export, which removes what it had half written.
        onProgress = [this](std::int32_t done, std::int32_t total, bool& cancel) {
            py::gil_scoped_acquire gil;
            if (!progress.is_none()) cancel = py::bool_(progress(done, total));
        };
    }

    py::object handlers[3] = {py::none(), py::none(), py::none()};
    py::object progress = py::none();  // onProgress(done, total) -> True to stop

    // Runs `call`, then raises the first exception an event callback raised meanwhile.
    template <class F>
    auto withEvents(F&& call) {
        struct Rethrow {
            PyPreview& pv;
            ~Rethrow() noexcept(false) {
                if (!pv.pending_) return;
                if (std::uncaught_exceptions()) {  // the library's own error wins
                    pv.pending_.reset();
                    return;
                }
                py::error_already_set e = std::move(*pv.pending_);
                pv.pending_.reset();
                throw e;
            }
        } rethrow{*this};
        return call();
    }

private:
    void raise(Event which) {
        py::gil_scoped_acquire gil;
        py::object f = handlers[which];
        if (f.is_none()) return;
        try {
            f();
        } catch (py::error_already_set& e) {
            if (!pending_) pending_ = std::move(e);
        }
    }

    std::optional<py::error_already_set> pending_;
};

using V = const Variant&;
using S = const std::string&;
using I = std::int32_t;

py::arg_v none(const char* name) { return py::arg(name) = py::none(); }

}  // namespace

void bindPreview(py::module_& m) {
    // A callback that refers to its Preview (pv.onPrintComplete = lambda: pv.KillDoc()) makes a
    // cycle; the collector sees it through the handlers.
    auto collectable = py::custom_type_setup([](PyHeapTypeObject* heapType) {
        PyTypeObject* type = &heapType->ht_type;
        type->tp_flags |= Py_TPFLAGS_HAVE_GC;
        type->tp_traverse = [](PyObject* self, visitproc visit, void* arg) {
            Py_VISIT(Py_TYPE(self));
            if (!reinterpret_cast<py::detail::instance*>(self)->get_value_and_holder().holder_constructed())
                return 0;
            for (py::object& h : py::cast<PyPreview&>(py::handle(self)).handlers) Py_VISIT(h.ptr());
            return 0;
        };
        type->tp_clear = [](PyObject* self) {
            if (!reinterpret_cast<py::detail::instance*>(self)->get_value_and_holder().holder_constructed()) return 0;
            for (py::object& h : py::cast<PyPreview&>(py::handle(self)).handlers) h = py::none();
            return 0;
        };
    });
    py::class_<PyPreview> c(m, "Preview",
                            "One document: built call by call, ended to a window, a printer or a file. Measures are "
                            "twips, or strings with a unit (\"1 in\", \"10 mm\", \"12 pt\").",
                            collectable);
    c.def(py::init<>());

#define KALDER_PROPERTY(name, T, A)                                                        \
    c.def_property(#name, static_cast<T (Preview::*)() const>(&Preview::name), \
                   static_cast<void (Preview::*)(A)>(&Preview::name));
#define KALDER_READONLY(name) c.def_property_readonly(#name, &Preview::name);

    // Frames, position and page geometry. Measures are set as str or number, read as twips.
    c.def_property("CurrentPage", static_cast<std::string (Preview::*)()>(&Preview::CurrentPage),
                   static_cast<void (Preview::*)(S)>(&Preview::CurrentPage));
    KALDER_PROPERTY(CurrentFrame, std::string, S)
    KALDER_PROPERTY(CurrentX, I, I)
    KALDER_PROPERTY(CurrentY, I, I)
    KALDER_PROPERTY(FrameLeft, I, V)
    KALDER_PROPERTY(FrameTop, I, V)
    KALDER_PROPERTY(FrameWidth, I, V)
    KALDER_PROPERTY(FrameHeight, I, V)
    KALDER_PROPERTY(ShowBorder, bool, bool)
    KALDER_PROPERTY(BorderColor, I, I)
    KALDER_PROPERTY(PageMarginLeft, I, V)
    KALDER_PROPERTY(PageMarginRight, I, V)
    KALDER_PROPERTY(PageMarginTop, I, V)
    KALDER_PROPERTY(PageMarginBottom, I, V)
    KALDER_PROPERTY(PageHeaderSize, I, V)
    KALDER_PROPERTY(PageFooterSize, I, V)
    KALDER_READONLY(PageInsideLeft)
    KALDER_READONLY(PageInsideTop)
    KALDER_READONLY(PageInsideRight)
    KALDER_READONLY(PageInsideBottom)
    KALDER_READONLY(PageInsideWidth)
    KALDER_READONLY(PageInsideHeight)
    KALDER_PROPERTY(PageWidth, I, I)
    KALDER_PROPERTY(PageHeight, I, I)
    KALDER_PROPERTY(PageSize, I, I)
    KALDER_PROPERTY(Orientation, I, I)
    KALDER_READONLY(TotalPages)
    KALDER_PROPERTY(PageNumberType, I, I)
    KALDER_READONLY(ParaNextY)

    // Current attributes.
    KALDER_PROPERTY(FontName, std::string, S)
    KALDER_PROPERTY(FontSize, float, V)
    KALDER_PROPERTY(FontBold, bool, bool)
    KALDER_PROPERTY(FontItalic, bool, bool)
    KALDER_PROPERTY(FontUnderline, bool, bool)
    KALDER_PROPERTY(FontStrikethru, bool, bool)
    KALDER_PROPERTY(ForeColor, I, I)
    KALDER_PROPERTY(BackColor, I, I)
    KALDER_PROPERTY(FillColor, I, I)
    KALDER_PROPERTY(FillStyle, I, I)
    KALDER_PROPERTY(LineColor, I, I)
    KALDER_PROPERTY(LineType, I, I)
    KALDER_PROPERTY(DrawWidth, I, I)
    KALDER_PROPERTY(TextRotation, I, I)
    KALDER_PROPERTY(LeadingType, I, I)
    KALDER_PROPERTY(LeadingVal, double, double)
    KALDER_PROPERTY(Charset, I, I)

    // Output and printer settings.
    KALDER_PROPERTY(Output, I, I)
    KALDER_PROPERTY(OutputFile, std::string, S)
    KALDER_PROPERTY(OutputFileType, I, I)
    KALDER_PROPERTY(SetPrintToFile, bool, bool)
    KALDER_PROPERTY(Copies, I, I)
    KALDER_PROPERTY(Collate, bool, bool)
    KALDER_PROPERTY(PagesOpt, I, I)
    KALDER_PROPERTY(OddEven, I, I)
    KALDER_PROPERTY(OrientOpt, I, I)
    KALDER_PROPERTY(PageRange, std::string, S)
    KALDER_PROPERTY(PrinterName, std::string, S)
    KALDER_PROPERTY(PrintQuality, I, I)
    KALDER_PROPERTY(ColorMode, I, I)
    KALDER_PROPERTY(PrintJobTitle, std::string, S)
    KALDER_PROPERTY(DirectPrinting, bool, bool)
    KALDER_PROPERTY(AllowPrinterDialog, bool, bool)
    KALDER_PROPERTY(QuitAfterPrint, bool, bool)
    KALDER_PROPERTY(PDFCompression, I, I)
    KALDER_PROPERTY(PDFEmbedFonts, bool, bool)
    KALDER_PROPERTY(ShowPrintToFile, bool, bool)
    KALDER_PROPERTY(ShowPrintOrientation, bool, bool)
    KALDER_PROPERTY(ShowPrintOrientationAsPreview, bool, bool)
    KALDER_PROPERTY(ShowPaperSizeSelection, bool, bool)
    KALDER_PROPERTY(ShowPrinterSetup, bool, bool)
    KALDER_PROPERTY(ShowExportList, I, I)
    KALDER_READONLY(PDFReplacedCharacters)
    KALDER_READONLY(TwipsPerPixelX)
    KALDER_READONLY(TwipsPerPixelY)
    KALDER_READONLY(MarginWidth)
    KALDER_READONLY(MarginHeight)
    KALDER_READONLY(PrintWidth)
    KALDER_READONLY(PrintHeight)
    KALDER_READONLY(DeviceName)
    KALDER_READONLY(DriverName)
    KALDER_READONLY(Port)

    // Preview window.
    KALDER_PROPERTY(Caption, std::string, S)
    KALDER_PROPERTY(Zoom, I, I)
    KALDER_PROPERTY(WindowState, I, I)
    KALDER_PROPERTY(Modal, bool, bool)
    KALDER_PROPERTY(LeftPositionPreviewWindow, I, I)
    KALDER_PROPERTY(TopPositionPreviewWindow, I, I)
    KALDER_PROPERTY(ShowToolbar, bool, bool)
    KALDER_PROPERTY(ShowStatusBar, bool, bool)
    KALDER_PROPERTY(ShowPrintButton, bool, bool)
    KALDER_PROPERTY(ShowPrintDirectButton, bool, bool)
    KALDER_PROPERTY(ShowFindButton, bool, bool)
    KALDER_PROPERTY(ShowZoomButton, bool, bool)
    KALDER_PROPERTY(ShowCopyClipboardButton, bool, bool)
    KALDER_PROPERTY(ShowCustomButton, bool, bool)
    KALDER_PROPERTY(ShowArrows, bool, bool)
    KALDER_PROPERTY(ShowStatusBarIcon, bool, bool)
    KALDER_PROPERTY(ShowPrintable, bool, bool)
    KALDER_PROPERTY(ShowPrintableColor, I, I)
    KALDER_PROPERTY(AllowMouseToZoom, bool, bool)
    KALDER_PROPERTY(MouseWheel, bool, bool)
    KALDER_PROPERTY(ToolbarIE4, bool, bool)
    KALDER_PROPERTY(ShowTrayIcon, bool, bool)
    KALDER_PROPERTY(ShowInTaskBar, bool, bool)
    KALDER_PROPERTY(RightToLeft, bool, bool)
    KALDER_PROPERTY(IconFilename, std::string, S)
    KALDER_READONLY(MaxUserText)
#undef KALDER_PROPERTY
#undef KALDER_READONLY

    c.def_property_readonly("Report", &Preview::Report, py::return_value_policy::reference_internal);

    auto event = [&c](const char* name, PyPreview::Event which) {
        c.def_property(name, [which](const PyPreview& pv) { return pv.handlers[which]; },
                       [which](PyPreview& pv, py::object f) {
                           if (!f.is_none() && !PyCallable_Check(f.ptr()))
                               throw py::type_error("expected a callable or None");
                           pv.handlers[which] = std::move(f);
                       });
    };
    event("onCustomButtonClick", PyPreview::CustomButtonClick);
    event("onPrintComplete", PyPreview::PrintComplete);
    event("onPrintCancel", PyPreview::PrintCancel);
    c.def_property("onProgress", [](const PyPreview& pv) { return pv.progress; },
                   [](PyPreview& pv, py::object f) {
                       if (!f.is_none() && !PyCallable_Check(f.ptr())) throw py::type_error("expected a callable or None");
                       pv.progress = std::move(f);
                   });

    // Measures, pages and frames.
    c.def("C_Twips", &Preview::C_Twips, py::arg("value"))
        .def("ConvertToTwip", &Preview::ConvertToTwip, py::arg("prScale"), py::arg("value"))
        .def("ConvertFromTwip", &Preview::ConvertFromTwip, py::arg("prScale"), py::arg("value"))
        .def("AddFirstPage", &Preview::AddFirstPage, none("MarginLeft"), none("MarginRight"), none("MarginTop"),
             none("MarginBottom"), none("vPHS"), none("vPFS"), none("vPageSize"))
        .def("AddPage", &Preview::AddPage, none("vMarginLeft"), none("vMarginRight"), none("vMarginTop"),
             none("vMarginBottom"), none("vPHS"), none("vPFS"), none("vPageSize"))
        .def("NewPage", &Preview::NewPage, none("vMarginLeft"), none("vMarginRight"), none("vMarginTop"),
             none("vMarginBottom"), none("vPHS"), none("vPFS"))
        .def("AddPageTemplate", &Preview::AddPageTemplate, py::arg("OldPage") = "")
        .def("AddFrame", &Preview::AddFrame, py::arg("Name"), py::arg("vxp"), py::arg("vyp"), py::arg("vw"),
             py::arg("vh"))
        .def("DocInfoSet", &Preview::DocInfoSet, py::arg("Item"), py::arg("Value"))
        .def("DocInfoGet", &Preview::DocInfoGet, py::arg("Item"))
        .def("KillDoc", &Preview::KillDoc)
        .def("DeletePage", &Preview::DeletePage, py::arg("start"), py::arg("nEnd") = -1)
        .def("ClearPage", &Preview::ClearPage, py::arg("start"), py::arg("nEnd") = -1)
        .def("ClearFrame", &Preview::ClearFrame);

    // Styles and text.
    c.def("AddStyle", &Preview::AddStyle, py::arg("Name"), none("FontName"), none("FontSize"), none("Bold"),
          none("Underline"), none("Italic"), none("ForeColor"), none("BackColor"))
        .def("ModifyStyle", &Preview::ModifyStyle, py::arg("Style"), py::arg("Prop"), py::arg("NewValue"))
        .def("ApplyStyle", &Preview::ApplyStyle, py::arg("Name"))
        .def("GetStyle", &Preview::GetStyle, py::arg("Name"), py::arg("Line") = false)
        .def("GetAllStyles", &Preview::GetAllStyles)
        .def("AddTextAt", &Preview::AddTextAt, py::arg("Text") = "", none("vxPos"), none("vyPos"),
             py::arg("Align") = I{prALLeft}, py::arg("etsStep") = I{prASLine})
        .def("AddPageNumberAt", &Preview::AddPageNumberAt, py::arg("sText"), none("vxPos"), none("vyPos"),
             py::arg("MaxPages") = false, py::arg("Align") = I{prALLeft})
        .def("Page", &Preview::Page, py::arg("bMaxpages") = false)
        .def("PageNumber", &Preview::PageNumber, py::arg("bMaxpages") = false)
        .def("RomanNumber", &Preview::RomanNumber, py::arg("Number"))
        .def("AddReference", &Preview::AddReference, py::arg("Page"), py::arg("Frame"), py::arg("Element"))
        .def("Watermark", &Preview::Watermark, py::arg("Text"), py::arg("Color") = 15066597,
             py::arg("sFontName") = "", py::arg("bBold") = false, py::arg("bItalic") = false)
        // Python strings cannot be changed in place: the text that did not fit is the result
        // ("" once everything is placed), to be passed to the next call.
        .def("ParaText",
             [](PyPreview& pv, std::string sData, V vxPos, V vyPos, V vWidth, V vHeight) {
                 pv.ParaText(sData, vxPos, vyPos, vWidth, vHeight);
                 return sData;
             },
             py::arg("sData"), none("vxPos"), none("vyPos"), none("vWidth"), none("vHeight"))
        .def("RtfImport", &Preview::RtfImport, py::arg("Filename"))
        .def("ShowRTF", &Preview::ShowRTF, py::arg("RTFFile"))
        .def("Substitution",
             [](const PyPreview& pv, S InputStr, py::handle Params) {
                 return pv.Substitution(InputStr, *toCollection(Params));
             },
             py::arg("InputStr"), py::arg("Params"));

    // Shapes, pictures and barcodes.
    c.def("DrawLine", &Preview::DrawLine, py::arg("x1"), py::arg("y1"), py::arg("x2"), py::arg("y2"),
          py::arg("lbLineBox") = I{prLBLine})
        .def("DrawCircle", &Preview::DrawCircle, py::arg("xPos"), py::arg("yPos"), py::arg("Radius"))
        .def("DrawArc", &Preview::DrawArc, py::arg("xPos"), py::arg("yPos"), py::arg("Radius"), py::arg("dStart"),
             py::arg("dEnd"), py::arg("dAspect"))
        .def("DrawEllipse", &Preview::DrawEllipse, py::arg("xPos"), py::arg("yPos"), py::arg("xRad"), py::arg("yRad"))
        .def("DrawRoundRect", &Preview::DrawRoundRect, py::arg("x1"), py::arg("y1"), py::arg("x2"), py::arg("y2"),
             py::arg("Radius"))
        // The vertices as (x, y) pairs in twips.
        .def("DrawPolygon",
             [](PyPreview& pv, const std::vector<std::pair<I, I>>& ply) {
                 std::vector<POLYVERT> vertices;
                 for (auto [x, y] : ply) vertices.push_back({x, y});
                 return pv.DrawPolygon(vertices);
             },
             py::arg("ply"))
        .def("DrawPSet", &Preview::DrawPSet, py::arg("xPos"), py::arg("yPos"))
        .def("DrawSymbol", &Preview::DrawSymbol, py::arg("SetName"), py::arg("SymbolId"), none("vParam"),
             none("xPos"), none("yPos"), none("vSize"))
        .def("DrawArrow", &Preview::DrawArrow, py::arg("atStart"), py::arg("sizeStart"), py::arg("atEnd"),
             py::arg("sizeEnd"), py::arg("x1"), py::arg("y1"), py::arg("x2"), py::arg("y2"))
        .def("DrawPicture", &Preview::DrawPicture, py::arg("pix"), py::arg("StoreType"), py::arg("xPos"),
             py::arg("yPos"), none("vWidth"), none("vHeight"))
        // The bytes of an image file (PNG, JPEG, BMP, ...), decoded by Qt's image readers.
        .def("DrawPictureMemory",
             [](PyPreview& pv, py::bytes pix, V xPos, V yPos, V vWidth, V vHeight) {
                 const std::string data = pix;
                 const QImage image = QImage::fromData(QByteArray::fromRawData(data.data(), qsizetype(data.size())));
                 if (image.isNull())
                     throw AutomationError(err::InvalidPicture, "DrawPictureMemory",
                                           "Invalid picture: the bytes are no image Qt can read");
                 return pv.DrawPictureMemory(image, xPos, yPos, vWidth, vHeight);
             },
             py::arg("pix"), py::arg("xPos"), py::arg("yPos"), none("vWidth"), none("vHeight"))
        .def("AddBarCode", &Preview::AddBarCode, py::arg("Text"), py::arg("bct"), none("vxPos"), none("vyPos"),
             none("vWidth"), none("vHeight"), py::arg("bAddCheckDigit") = false, py::arg("qrLevel") = I{prQRLevelM})
        .def("BarCodeModules", &Preview::BarCodeModules, py::arg("Text"), py::arg("bct"),
             py::arg("bAddCheckDigit") = false, py::arg("qrLevel") = I{prQRLevelM});

    // Files and output.
    c.def("ExportBMP", &Preview::ExportBMP, py::arg("OutputLocation"))
        .def("ExportJPG", &Preview::ExportJPG, py::arg("OutputLocation"))
        .def("ExportPDF", &Preview::ExportPDF, py::arg("OutputLocation"))
        .def("ExportRTF", &Preview::ExportRTF, py::arg("OutputLocation"))
        .def("ExportHTML", &Preview::ExportHTML, py::arg("OutputLocation"))
        .def("ExportText", &Preview::ExportText, py::arg("OutputLocation"))
        .def("SaveXML", &Preview::SaveXML, py::arg("Filename"))
        .def("SaveXMLString", &Preview::SaveXMLString)
        .def("LoadXML", static_cast<void (Preview::*)(S)>(&Preview::LoadXML), py::arg("xml"))
        .def("LoadXMLFromFile", &Preview::LoadXMLFromFile, py::arg("Filename"))
        .def("EndDocument",
             [](PyPreview& pv, I ThisOutput, I optPaperBin) {
                 pv.withEvents([&] { pv.EndDocument(ThisOutput, optPaperBin); });
             },
             py::arg("ThisOutput") = I{prOTDefault}, py::arg("optPaperBin") = -1)
        .def("GenerateCustomButton", [](PyPreview& pv) { pv.withEvents([&] { pv.GenerateCustomButton(); }); })
        .def("GenerateEndPrint", [](PyPreview& pv) { pv.withEvents([&] { pv.GenerateEndPrint(); }); })
        .def("GeneratePrintCancel", [](PyPreview& pv) { pv.withEvents([&] { pv.GeneratePrintCancel(); }); })
        .def("SetPrinter", &Preview::SetPrinter, py::arg("PrinterName"))
        .def("PaperBin", static_cast<I (Preview::*)(S) const>(&Preview::PaperBin), py::arg("pageName") = "")
        .def("PaperBin", static_cast<void (Preview::*)(I, S)>(&Preview::PaperBin), py::arg("bin"),
             py::arg("pageName") = "")
        .def("PaperSize", static_cast<I (Preview::*)(S) const>(&Preview::PaperSize), py::arg("pageName") = "")
        .def("PaperSize", static_cast<void (Preview::*)(I, S)>(&Preview::PaperSize), py::arg("size"),
             py::arg("pageName") = "");

    // Window and interface texts.
    c.def("SetStatusBarIcon", &Preview::SetStatusBarIcon, py::arg("IconFile"))
        .def("Icon",
             [](PyPreview& pv, py::bytes imageData) {
                 const std::string data = imageData;
                 pv.Icon(std::vector<std::uint8_t>(data.begin(), data.end()));
             },
             py::arg("imageData"))
        .def("SetLanguage", &Preview::SetLanguage, py::arg("Language"))
        .def("GetInterfaceText", &Preview::GetInterfaceText, py::arg("Id"))
        .def("SetInterfaceText", &Preview::SetInterfaceText, py::arg("Id"), py::arg("Text"));

    // Column reports. Rows and field definitions are FastCollections, dicts or lists.
    c.def("NewReport", &Preview::NewReport)
        .def("NewColumn", &Preview::NewColumn, py::arg("Id"), py::arg("Title"), py::arg("ColWidth"),
             py::arg("ColSpaceLeft"), py::arg("ColSpaceRight"), py::arg("DecSpace"), py::arg("Align"), py::arg("Fmt"),
             py::arg("FormatType"), py::arg("CalcType"))
        .def("ModifyColumn", &Preview::ModifyColumn, py::arg("Id"), none("Title"), py::arg("ColWidth") = -1,
             py::arg("ColSpaceLeft") = -1, py::arg("ColSpaceRight") = -1, py::arg("DecSpace") = -1,
             py::arg("Align") = -1, none("Fmt"), py::arg("FormatType") = -1, py::arg("CalcType") = -1)
        .def("ModifyReport", &Preview::ModifyReport, none("GroupCol"), none("LineAroundReport"),
             none("LineBeforeCalc"), none("LineAfterCalc"), none("ShowVerticalLines"), none("ShowHorizontalLines"))
        .def("Tabulate",
             [](PyPreview& pv, py::handle colFieldValues, py::handle colFieldDefs, V CX, V CY, I etsStep) {
                 return pv.Tabulate(*toCollection(colFieldValues), *toCollection(colFieldDefs), CX, CY, etsStep);
             },
             py::arg("colFieldValues"), py::arg("colFieldDefs"), none("CX"), none("CY"),
             py::arg("etsStep") = I{prASLine})
        .def("RecordsetReport", &Preview::RecordsetReport, py::arg("oRecordset"), py::arg("Headers") = false,
             py::arg("bWidths") = false, py::arg("etsStep") = I{prASLine})
        .def("ReportHeaders", &Preview::ReportHeaders, py::arg("oRecordset"))
        .def("ArrayReport",
             [](PyPreview& pv, py::iterable Dt, I etsStep) {
                 std::vector<std::shared_ptr<FastCollection>> rows;
                 for (py::handle row : Dt) rows.push_back(toCollection(row));
                 pv.ArrayReport(rows, etsStep);
             },
             py::arg("Dt"), py::arg("etsStep") = I{prASLine});
}

}  // namespace kalder::python
