// kalder::Preview: builds a document call by call and ends it to one destination.
//
// Each Preview object holds one document; a new Preview starts with page "Page 1", its
// standard frames ("inside", "WholePage"), the six named styles and the current attributes
// of "Heading5". Measures are twips, or strings with a unit ("1 in", "10 mm", "12 pt").
// Optional arguments are Variants that default to missing.
//
// Failures are kalder::AutomationError. Many builder properties follow the automation
// habit of not passing failures on: a bad measure leaves the old value and the operation
// goes on with its next step. Each member says where it raises.
//
// The members are grouped by family; each family is defined in the folder that owns it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "kalder/AutomationError.h"
#include "kalder/Enums.h"
#include "kalder/FastCollection.h"
#include "kalder/Variant.h"

namespace pugi {
class xml_document;
}
class QAbstractItemModel;
class QImage;
class QPixmap;

namespace kalder {

class cDocument;
class cReport;
class Recordset;
struct OutputSettings;
struct WindowSettings;

class Preview {
public:
    Preview();
    ~Preview();
    Preview(const Preview&) = delete;
    Preview& operator=(const Preview&) = delete;

    // ---- Measures ----------------------------------------------------------------------
    // A measure rounded to whole twips (half to even). Error 1000 "CTwips" for a unit that
    // is not in, mm, cm, tw or pt; 13 for a number part that is no number; 6 on overflow.
    std::int32_t C_Twips(const Variant& value) const;
    float ConvertToTwip(std::int32_t prScale, float value) const;
    float ConvertFromTwip(std::int32_t prScale, float value) const;

    // ---- Pages -------------------------------------------------------------------------
    // Starts the document over with one page "Page 1". Error 897 "AddFirstPage" "More than
    // one page" when the document already has two or more pages.
    std::string AddFirstPage(const Variant& MarginLeft = Variant::missing(),
                             const Variant& MarginRight = Variant::missing(),
                             const Variant& MarginTop = Variant::missing(),
                             const Variant& MarginBottom = Variant::missing(),
                             const Variant& vPHS = Variant::missing(), const Variant& vPFS = Variant::missing(),
                             const Variant& vPageSize = Variant::missing());
    // Adds a page "Page n" (n = page count + 1) and makes its "inside" frame current. A page
    // size of 0 or none takes the document's. When the computed key is already used (after
    // DeletePage), nothing is added, that page becomes current and the result is "".
    std::string AddPage(const Variant& vMarginLeft = Variant::missing(),
                        const Variant& vMarginRight = Variant::missing(),
                        const Variant& vMarginTop = Variant::missing(),
                        const Variant& vMarginBottom = Variant::missing(), const Variant& vPHS = Variant::missing(),
                        const Variant& vPFS = Variant::missing(), const Variant& vPageSize = Variant::missing());
    std::string NewPage(const Variant& vMarginLeft = Variant::missing(),
                        const Variant& vMarginRight = Variant::missing(),
                        const Variant& vMarginTop = Variant::missing(),
                        const Variant& vMarginBottom = Variant::missing(), const Variant& vPHS = Variant::missing(),
                        const Variant& vPFS = Variant::missing());
    // A new page copying an existing one (the current page when OldPage is ""): geometry,
    // style and frames with their elements, except the "inside" frame, which starts empty.
    std::string AddPageTemplate(const std::string& OldPage = "");

    // ---- Frames and position ------------------------------------------------------------
    // A frame on the current page (page coordinates), made current. A name already used on
    // the page adds nothing, leaves the current frame as it was and returns "".
    std::string AddFrame(const std::string& Name, const Variant& vxp, const Variant& vyp, const Variant& vw,
                         const Variant& vh);
    // Reading with no current page first creates one (margins 0.5/1/0.5/1 in, header 0.75 in).
    std::string CurrentPage();
    void CurrentPage(const std::string& key);
    std::string CurrentFrame() const;  // in lower case
    void CurrentFrame(const std::string& key);
    std::int32_t CurrentX() const;
    void CurrentX(std::int32_t x);
    std::int32_t CurrentY() const;
    void CurrentY(std::int32_t y);
    std::int32_t FrameLeft() const;
    void FrameLeft(const Variant& v);
    std::int32_t FrameTop() const;
    void FrameTop(const Variant& v);
    std::int32_t FrameWidth() const;
    void FrameWidth(const Variant& v);
    std::int32_t FrameHeight() const;
    void FrameHeight(const Variant& v);
    bool ShowBorder() const;
    void ShowBorder(bool show);
    std::int32_t BorderColor() const;
    void BorderColor(std::int32_t color);

    // ---- Page geometry of the current page ----------------------------------------------
    std::int32_t PageMarginLeft() const;
    void PageMarginLeft(const Variant& v);
    std::int32_t PageMarginRight() const;
    void PageMarginRight(const Variant& v);
    std::int32_t PageMarginTop() const;
    void PageMarginTop(const Variant& v);
    std::int32_t PageMarginBottom() const;
    void PageMarginBottom(const Variant& v);
    std::int32_t PageHeaderSize() const;  // setting it above 0 creates the "header" frame
    void PageHeaderSize(const Variant& v);
    std::int32_t PageFooterSize() const;  // setting it above 0 creates the "footer" frame
    void PageFooterSize(const Variant& v);
    std::int32_t PageInsideLeft() const;
    std::int32_t PageInsideTop() const;
    std::int32_t PageInsideRight() const;
    std::int32_t PageInsideBottom() const;
    std::int32_t PageInsideWidth() const;
    std::int32_t PageInsideHeight() const;
    std::int32_t PageWidth() const;
    void PageWidth(std::int32_t width);  // the user size, used with prPSUserDefine
    std::int32_t PageHeight() const;
    void PageHeight(std::int32_t height);
    std::int32_t PageSize() const;
    void PageSize(std::int32_t size);
    std::int32_t Orientation() const;
    void Orientation(std::int32_t orientation);

    // ---- Document -----------------------------------------------------------------------
    void DocInfoSet(const std::string& Item, const std::string& Value);
    std::string DocInfoGet(const std::string& Item) const;  // "not found" when absent
    std::int32_t TotalPages() const;
    void KillDoc();
    // Pages are numbered from 1; nEnd = -1 means start alone.
    void DeletePage(std::int32_t start, std::int32_t nEnd = -1);
    void ClearPage(std::int32_t start, std::int32_t nEnd = -1);
    void ClearFrame();

    // ---- Styles and current attributes ---------------------------------------------------
    // Font sizes: a plain number is points (12 -> 240 twips), a string with a unit a measure.
    std::string AddStyle(const std::string& Name, const Variant& FontName = Variant::missing(),
                         const Variant& FontSize = Variant::missing(), const Variant& Bold = Variant::missing(),
                         const Variant& Underline = Variant::missing(), const Variant& Italic = Variant::missing(),
                         const Variant& ForeColor = Variant::missing(), const Variant& BackColor = Variant::missing());
    // Error 5 for a property name ModifyStyle does not know.
    void ModifyStyle(const std::string& Style, const std::string& Prop, const Variant& NewValue);
    void ApplyStyle(const std::string& Name);
    std::string GetStyle(const std::string& Name, bool Line = false) const;
    std::string GetAllStyles() const;

    // Each set changes the current frame's running attributes and records a style-change
    // element, so that the change takes effect at that point when drawn or exported.
    std::string FontName() const;
    void FontName(const std::string& name);
    float FontSize() const;  // points
    void FontSize(const Variant& size);
    bool FontBold() const;
    void FontBold(bool v);
    bool FontItalic() const;
    void FontItalic(bool v);
    bool FontUnderline() const;
    void FontUnderline(bool v);
    bool FontStrikethru() const;
    void FontStrikethru(bool v);
    std::int32_t ForeColor() const;
    void ForeColor(std::int32_t color);
    std::int32_t BackColor() const;
    void BackColor(std::int32_t color);
    std::int32_t FillColor() const;
    void FillColor(std::int32_t color);
    std::int32_t FillStyle() const;
    void FillStyle(std::int32_t style);
    std::int32_t LineColor() const;
    void LineColor(std::int32_t color);
    std::int32_t LineType() const;
    void LineType(std::int32_t type);
    std::int32_t DrawWidth() const;  // twips
    void DrawWidth(std::int32_t width);
    std::int32_t TextRotation() const;  // degrees, counter-clockwise
    void TextRotation(std::int32_t rotation);
    std::int32_t LeadingType() const;
    void LeadingType(std::int32_t type);
    double LeadingVal() const;
    void LeadingVal(double value);
    std::int32_t Charset() const;
    void Charset(std::int32_t charset);

    // ---- Text lines and text elements ----------------------------------------------------
    // A line of text in the current frame at the given or current position, then a step to
    // the next line (eAutoStep): prASNone stays, prASLine steps down, prASPage / prASCopypage
    // continue on a copy of the page and prASInside on a new page when the line does not fit.
    // Error 997 "KD5_AddTextAt" "Bad Step" for another step.
    std::string AddTextAt(const std::string& Text = "", const Variant& vxPos = Variant::missing(),
                          const Variant& vyPos = Variant::missing(), std::int32_t Align = prALLeft,
                          std::int32_t etsStep = prASLine);
    // A page number: "??" in sText is replaced by the number of the page that shows it.
    std::string AddPageNumberAt(const std::string& sText, const Variant& vxPos = Variant::missing(),
                                const Variant& vyPos = Variant::missing(), bool MaxPages = false,
                                std::int32_t Align = prALLeft);
    // The page-number text of the current page ("3", "III", "3/10").
    std::string Page(bool bMaxpages = false);
    std::string PageNumber(bool bMaxpages = false);
    std::string RomanNumber(std::int32_t Number) const;
    // Numbering type (ePageNoType) of the current page; pages added later keep it.
    std::int32_t PageNumberType() const;
    void PageNumberType(std::int32_t type);
    // Draws another element (found by page, frame and element key) in the current frame.
    std::string AddReference(const std::string& Page, const std::string& Frame, const std::string& Element);
    // A light text along the diagonal of the current page.
    void Watermark(const std::string& Text, std::int32_t Color = 15066597, const std::string& sFontName = "",
                   bool bBold = false, bool bItalic = false);

    // ---- Paragraphs, RTF import and substitution --------------------------------------------
    // Lays out marked-up text as a paragraph in the current frame (position and size default to
    // the frame's) and writes the text that did not fit back into sData, prefixed so that it
    // continues with the same formatting; sData comes back empty when everything was placed.
    // Pour a long text into consecutive frames or pages by calling it until sData is empty.
    // Returns "".
    std::string ParaText(std::string& sData, const Variant& vxPos = Variant::missing(),
                         const Variant& vyPos = Variant::missing(), const Variant& vWidth = Variant::missing(),
                         const Variant& vHeight = Variant::missing());
    // The y below the last paragraph of the current frame, or 0 when its last element is none.
    std::int32_t ParaNextY() const;
    // An RTF file as paragraph markup, or "Error parsing file:" followed by the reader's code.
    std::string RtfImport(const std::string& Filename);
    // Lays an RTF file out as paragraphs over as many pages as it needs, in the current document.
    void ShowRTF(const std::string& RTFFile);
    // The template with every %name% replaced by the item of that key in Params; a lone "%"
    // gives "%unbalanced%", an unknown name "?missing param?", "%%" a single "%".
    std::string Substitution(const std::string& InputStr, const FastCollection& Params) const;

    // ---- Shapes, symbols and arrows -------------------------------------------------------
    // Each returns the key of the new element ("" when there is no current frame).
    std::string DrawLine(const Variant& x1, const Variant& y1, const Variant& x2, const Variant& y2,
                         std::int32_t lbLineBox = prLBLine);
    std::string DrawCircle(const Variant& xPos, const Variant& yPos, const Variant& Radius);
    std::string DrawArc(const Variant& xPos, const Variant& yPos, const Variant& Radius, float dStart, float dEnd,
                        float dAspect);
    std::string DrawEllipse(const Variant& xPos, const Variant& yPos, const Variant& xRad, const Variant& yRad);
    std::string DrawRoundRect(const Variant& x1, const Variant& y1, const Variant& x2, const Variant& y2,
                              const Variant& Radius);
    std::string DrawPolygon(const std::vector<POLYVERT>& ply);
    std::string DrawPSet(const Variant& xPos, const Variant& yPos);
    // SetName "internal" with SymbolId "box", "radio" or "checkbox" (vParam true = checked),
    // or a font name and the character(s) to print.
    std::string DrawSymbol(const std::string& SetName, const std::string& SymbolId, const Variant& vParam,
                           const Variant& xPos = Variant::missing(), const Variant& yPos = Variant::missing(),
                           const Variant& vSize = Variant::missing());
    std::string DrawArrow(std::int32_t atStart, const Variant& sizeStart, std::int32_t atEnd, const Variant& sizeEnd,
                          const Variant& x1, const Variant& y1, const Variant& x2, const Variant& y2);

    // ---- Pictures and barcodes ----------------------------------------------------------
    // A picture file (whatever Qt's image readers read: BMP, JPEG, PNG, GIF, ...) stretched to
    // vWidth x vHeight; a missing size is the picture's natural size (its own resolution, 96
    // dots per inch when it has none). prSTInternal reads the file now and keeps the picture;
    // prSTExternal keeps the name and reads the file at each drawing (a file gone by then
    // draws nothing). PictureType is the name's extension in lower case. Errors, when the file
    // is read now: 53 "File not found: <name>"; 481 "Invalid picture: <why>" (not a picture,
    // a Windows metafile, or more pixels than a picture may have).
    std::string DrawPicture(const std::string& pix, std::int32_t StoreType, const Variant& xPos, const Variant& yPos,
                            const Variant& vWidth = Variant::missing(), const Variant& vHeight = Variant::missing());
    // A picture from memory, kept in the document as a bitmap (PictureType "bmp").
    std::string DrawPictureMemory(const QImage& pix, const Variant& xPos, const Variant& yPos,
                                  const Variant& vWidth = Variant::missing(),
                                  const Variant& vHeight = Variant::missing());
    std::string DrawPictureMemory(const QPixmap& pix, const Variant& xPos, const Variant& yPos,
                                  const Variant& vWidth = Variant::missing(),
                                  const Variant& vHeight = Variant::missing());
    // A barcode of Text, bars vWidth x vHeight (1400 x 720 twips when missing) at (vxPos, vyPos)
    // (CurrentX/CurrentY when missing), with Text centred below the bars (not below a QR Code).
    // Returns "oElement " and the frame's element count; CurrentY moves below the bars. Bars
    // are drawn with the current DrawWidth, so set it to the module width. bAddCheckDigit
    // applies to Code 39 and ITF; qrLevel (eQRLevel) to QR Code. Data a symbology cannot
    // encode draws no bars and no text.
    std::string AddBarCode(const std::string& Text, std::int32_t bct, const Variant& vxPos = Variant::missing(),
                           const Variant& vyPos = Variant::missing(), const Variant& vWidth = Variant::missing(),
                           const Variant& vHeight = Variant::missing(), bool bAddCheckDigit = false,
                           std::int32_t qrLevel = prQRLevelM);
    // The number of modules Text encodes to across the symbol (the side of a QR Code), so that
    // a caller can make BarWidth a whole multiple of the module width; raises the encoder's
    // error (-2147220904, the symbology's name, its text) for data it cannot encode.
    std::int32_t BarCodeModules(const std::string& Text, std::int32_t bct, bool bAddCheckDigit = false,
                                std::int32_t qrLevel = prQRLevelM) const;

    // ---- Pages as images -------------------------------------------------------------------
    // Page n is written to OutputLocation + n + ".bmp" / ".jpg" (JPEG quality 90).
    void ExportBMP(const std::string& OutputLocation);
    void ExportJPG(const std::string& OutputLocation);

    // ---- PDF -------------------------------------------------------------------------------
    // Writes the document as one PDF 1.4 file; the file appears only when complete. Text in
    // the base families is written in the Windows-1252 encoding; any other text in embedded
    // subsets of the fonts the screen draws it with. SOURCE_DATE_EPOCH fixes the creation date.
    void ExportPDF(const std::string& OutputLocation);
    // Characters the last PDF export could not write: "?" where no font could be embedded, the
    // missing-glyph box where no installed font has the character.
    std::int32_t PDFReplacedCharacters() const noexcept { return pdfReplaced_; }

    // ---- RTF, HTML and text ------------------------------------------------------------------
    // One RTF file: a section per page, every element an absolutely placed drawing shape.
    void ExportRTF(const std::string& OutputLocation);
    // One HTML file per page in the folder OutputLocation, a positioned layer per frame.
    void ExportHTML(const std::string& OutputLocation);
    // One text file: a heading per page and the text of its "inside" frame.
    void ExportText(const std::string& OutputLocation);

    // ---- XML document format --------------------------------------------------------------
    // Writes the document; the file appears only when complete.
    void SaveXML(const std::string& Filename) const;
    std::string SaveXMLString() const;
    // Replaces the document by the one described. Error -98 "Kalder" "Can not load the XML
    // file : ..." when it cannot be loaded; what was read up to the failure stays loaded.
    void LoadXML(const std::string& xml);
    void LoadXML(const pugi::xml_document& xml);
    // A file that cannot be read or parsed raises -98 and leaves the current document as it was.
    void LoadXMLFromFile(const std::string& Filename);

    // ---- Output dispatch and printing --------------------------------------------------------
    // Ends the document and sends it to one destination: ThisOutput when not 0 (it replaces
    // Output), else Output; prOTDefault means prOTScreen. optPaperBin, when not -1, becomes the
    // document's PaperBin. Printer and file outputs set the output-done flag, raise
    // PrintComplete and replace the document by a new empty one; the printer setup dialog does
    // so only when it printed or exported. An empty OutputFile for a file output raises -69
    // "Kalder" "The filename is missing" after that reset; an output the library does not
    // handle raises -69 "Output destination not handled", also after the reset. A printer or
    // writer failure raises its own error and keeps the document.
    void EndDocument(std::int32_t ThisOutput = prOTDefault, std::int32_t optPaperBin = -1);
    std::int32_t Output() const;  // OutputType
    void Output(std::int32_t output);
    std::string OutputFile() const;
    void OutputFile(const std::string& file);
    std::int32_t OutputFileType() const;  // ePreviewExport bits
    void OutputFileType(std::int32_t type);
    bool SetPrintToFile() const;  // the printer setup dialog opens with print-to-file checked
    void SetPrintToFile(bool on);

    // The document's printer settings. PaperBin and PaperSize act on the page named pageName
    // when one is given (an unknown name reads the document's and changes nothing).
    std::int32_t Copies() const;
    void Copies(std::int32_t copies);
    bool Collate() const;
    void Collate(bool collate);
    std::int32_t PagesOpt() const;  // ePagesOpt
    void PagesOpt(std::int32_t option);
    std::int32_t OddEven() const;  // eOddEven
    void OddEven(std::int32_t option);
    std::int32_t OrientOpt() const;  // eOrientOpt
    void OrientOpt(std::int32_t option);
    // The page list for prPORange ("1,3,5-12"), the page number for prPOCurrent.
    std::string PageRange() const;
    void PageRange(const std::string& range);
    // The printer to print on, found by name without regard to case; "" or a name that
    // matches no printer prints on the current printer.
    std::string PrinterName() const;
    void PrinterName(const std::string& name);
    void SetPrinter(const std::string& PrinterName);
    std::int32_t PaperBin(const std::string& pageName = "") const;  // ePaperBin
    void PaperBin(std::int32_t bin, const std::string& pageName = "");
    std::int32_t PaperSize(const std::string& pageName = "") const;  // ePaperSize
    void PaperSize(std::int32_t size, const std::string& pageName = "");

    // Output settings kept for the whole Preview.
    std::int32_t PrintQuality() const;  // PrintQualityType, or dots per inch when positive
    void PrintQuality(std::int32_t quality);
    std::int32_t ColorMode() const;  // ColorModeType; stored, not passed to the printer
    void ColorMode(std::int32_t mode);
    std::string PrintJobTitle() const;  // the job's title in the printer queue ("Kalder" when "")
    void PrintJobTitle(const std::string& title);
    bool DirectPrinting() const;  // the printer setup dialog prints at once
    void DirectPrinting(bool on);
    bool AllowPrinterDialog() const;  // the printer setup dialog lets the user choose the printer
    void AllowPrinterDialog(bool on);
    bool QuitAfterPrint() const;  // the preview window closes once it printed
    void QuitAfterPrint(bool on);
    std::int32_t PDFCompression() const;
    void PDFCompression(std::int32_t level);
    // True: every text run of a PDF goes in an embedded font subset, the base families too
    // (for archiving); False, the default: only text the base fonts cannot carry does.
    bool PDFEmbedFonts() const;
    void PDFEmbedFonts(bool on);

    // What the printer setup dialog shows.
    bool ShowPrintToFile() const;
    void ShowPrintToFile(bool on);
    bool ShowPrintOrientation() const;
    void ShowPrintOrientation(bool on);
    bool ShowPrintOrientationAsPreview() const;
    void ShowPrintOrientationAsPreview(bool on);
    bool ShowPaperSizeSelection() const;
    void ShowPaperSizeSelection(bool on);
    bool ShowPrinterSetup() const;
    void ShowPrinterSetup(bool on);
    // ePreviewExport bits of the file kinds offered (those also set in OutputFileType).
    std::int32_t ShowExportList() const;
    void ShowExportList(std::int32_t kinds);

    // The current printer, read on first use; without a printer: 2.4 twips per pixel,
    // margins 360 x 240 and printable 11508 x 15363 twips (exchanged for a landscape document).
    double TwipsPerPixelX() const;
    double TwipsPerPixelY() const;
    std::int32_t MarginWidth() const;   // unprintable left edge, twips
    std::int32_t MarginHeight() const;  // unprintable top edge, twips
    std::int32_t PrintWidth() const;    // printable size, twips
    std::int32_t PrintHeight() const;
    std::string DeviceName() const;  // the queue name
    std::string DriverName() const;  // the driver's make and model
    std::string Port() const;        // the queue's device URI

    // Raise the events: CustomButtonClick; PrintComplete when the output-done flag is set;
    // PrintCancel.
    void GenerateCustomButton();
    void GenerateEndPrint();
    void GeneratePrintCancel();

    // ---- Preview window ------------------------------------------------------------------------
    // What EndDocument(prOTScreen) shows: the document in a window with a toolbar, a zoom list,
    // page navigation, find, go-to-page, copy and print. The settings below are read when the
    // window opens; the Show* settings, Caption, RightToLeft, ToolbarIE4 and the icons also
    // apply at once to a window that is open.
    std::string Caption() const;
    void Caption(const std::string& caption);
    // A percentage from 0 to 200 (shown at most at 175 %) or a ZoomType; above 200 is stored
    // as 200, below -4 as prZMDefault (the whole page).
    std::int32_t Zoom() const;
    void Zoom(std::int32_t zoom);
    std::int32_t WindowState() const;  // WindowStateType
    void WindowState(std::int32_t state);
    // True: EndDocument returns once the window is closed; false: at once, and the window
    // lives on in the host's event loop.
    bool Modal() const;
    void Modal(bool modal);
    // The window's position in twips; -1: where it was last closed.
    std::int32_t LeftPositionPreviewWindow() const;
    void LeftPositionPreviewWindow(std::int32_t left);
    std::int32_t TopPositionPreviewWindow() const;
    void TopPositionPreviewWindow(std::int32_t top);
    bool ShowToolbar() const;
    void ShowToolbar(bool show);
    bool ShowStatusBar() const;
    void ShowStatusBar(bool show);
    bool ShowPrintButton() const;
    void ShowPrintButton(bool show);
    bool ShowPrintDirectButton() const;
    void ShowPrintDirectButton(bool show);
    bool ShowFindButton() const;
    void ShowFindButton(bool show);
    bool ShowZoomButton() const;  // the zoom buttons and the zoom list
    void ShowZoomButton(bool show);
    bool ShowCopyClipboardButton() const;
    void ShowCopyClipboardButton(bool show);
    bool ShowCustomButton() const;  // a button that raises onCustomButtonClick
    void ShowCustomButton(bool show);
    bool ShowArrows() const;  // the page arrows
    void ShowArrows(bool show);
    bool ShowStatusBarIcon() const;
    void ShowStatusBarIcon(bool show);
    bool ShowPrintable() const;  // the printer's printable area framed on the page
    void ShowPrintable(bool show);
    std::int32_t ShowPrintableColor() const;  // the frame's colour (RGB, red in the low byte)
    void ShowPrintableColor(std::int32_t color);
    bool AllowMouseToZoom() const;  // left button zooms in, right button out
    void AllowMouseToZoom(bool allow);
    bool MouseWheel() const;  // the wheel scrolls the page
    void MouseWheel(bool on);
    bool ToolbarIE4() const;  // flat toolbar buttons
    void ToolbarIE4(bool on);
    bool ShowTrayIcon() const;  // a tray icon while the window is shown, where a tray exists
    void ShowTrayIcon(bool show);
    bool ShowInTaskBar() const;  // stored; desktops list every window in their task bar
    void ShowInTaskBar(bool show);
    bool RightToLeft() const;  // the window laid out from right to left
    void RightToLeft(bool on);
    // The status bar's icon, from an image file (PNG, ICO, BMP, SVG ...); "" for the default.
    void SetStatusBarIcon(const std::string& IconFile);
    // The window's icon, from an image file or from the bytes of an image; empty for the
    // default icon.
    std::string IconFilename() const;
    void IconFilename(const std::string& file);
    void Icon(const std::vector<std::uint8_t>& imageData);

    // ---- Interface language ----------------------------------------------------------------------
    // The language of every window and dialog opened afterwards (LanguageType); one interface
    // serves the whole process, so the setting is shared by all Preview objects.
    void SetLanguage(std::int32_t Language);
    // The text kept under a full table id (language offset + interface id): one the host
    // replaced, or an English text read when the first Preview was made; "" when none.
    std::string GetInterfaceText(std::int32_t Id) const;
    // Replaces the text of a full table id for every window opened afterwards.
    void SetInterfaceText(std::int32_t Id, const std::string& Text);
    // The highest interface id: 97.
    std::int32_t MaxUserText() const;

    // ---- Column reports (README "Column reports") ----------------------------------------------------
    // The current report: its columns and options. NewReport replaces it with an empty one.
    cReport& Report();
    void NewReport();
    // Adds a column under `Id` (457 when the Id is taken). Widths and spaces in twips.
    void NewColumn(const std::string& Id, const std::string& Title, std::int32_t ColWidth, std::int32_t ColSpaceLeft,
                   std::int32_t ColSpaceRight, std::int32_t DecSpace, std::int32_t Align, const Variant& Fmt,
                   std::int32_t FormatType, std::int32_t CalcType);
    // Changes the column `Id` (381 when there is none): Title and Fmt when given, each number
    // unless it is -1.
    void ModifyColumn(const std::string& Id, const Variant& Title = Variant::missing(), std::int32_t ColWidth = -1,
                      std::int32_t ColSpaceLeft = -1, std::int32_t ColSpaceRight = -1, std::int32_t DecSpace = -1,
                      std::int32_t Align = -1, const Variant& Fmt = Variant::missing(), std::int32_t FormatType = -1,
                      std::int32_t CalcType = -1);
    // Sets each option given and leaves the others.
    void ModifyReport(const Variant& GroupCol = Variant::missing(), const Variant& LineAroundReport = Variant::missing(),
                      const Variant& LineBeforeCalc = Variant::missing(),
                      const Variant& LineAfterCalc = Variant::missing(),
                      const Variant& ShowVerticalLines = Variant::missing(),
                      const Variant& ShowHorizontalLines = Variant::missing());
    // One row: value i in field definition i ("l 0;1440;color=255", README), at CX/CY
    // (CurrentX/CurrentY when missing); then the cursor steps as etsStep says.
    bool Tabulate(const FastCollection& colFieldValues, const FastCollection& colFieldDefs,
                  const Variant& CX = Variant::missing(), const Variant& CY = Variant::missing(),
                  std::int32_t etsStep = prASLine);
    // The report over the rows of a recordset: with Headers, one column per field first
    // (ReportHeaders); with bWidths, columns widened to their widest value.
    void RecordsetReport(Recordset& oRecordset, bool Headers = false, bool bWidths = false,
                         std::int32_t etsStep = prASLine);
    // A column per field of the recordset not yet a column, titled and sized by its name.
    void ReportHeaders(Recordset& oRecordset);
    // The report over rows held as collections keyed by column Id.
    void ArrayReport(const std::vector<std::shared_ptr<FastCollection>>& Dt, std::int32_t etsStep = prASLine);
    // The report over a grid's model (a table view's, a QSqlQueryModel ...): its columns the
    // report's columns, or, when the report has none, one per model column titled by its
    // header. Errors are shown as "Kalder error in GridPreview ..." and end the report.
    void GridReport(const QAbstractItemModel& Grid, std::int32_t etsStep = prASLine);

    // ---- Events ------------------------------------------------------------------------------------
    // Raised on the caller's thread, without arguments.
    std::function<void()> onCustomButtonClick;
    std::function<void()> onPrintComplete;
    std::function<void()> onPrintCancel;
    // Raised by the exports and the print run as each page is finished, with the pages done
    // and the pages in all; setting Cancel stops the work before the next page: the export
    // raises 18 "User interrupt occurred" and leaves any earlier file of that name as it was
    // (HTML keeps the page files it finished), the print job is aborted and never printed.
    std::function<void(std::int32_t PagesDone, std::int32_t PagesTotal, bool& Cancel)> onProgress;

    // ---- The document tree, for the project's own tools and exporters -------------------------
    cDocument& document() noexcept { return *doc_; }
    const cDocument& document() const noexcept { return *doc_; }

    OutputSettings& outputSettings() noexcept { return *output_; }
    WindowSettings& windowSettings() noexcept { return *window_; }

private:
    std::unique_ptr<cDocument> doc_;
    std::unique_ptr<OutputSettings> output_;
    std::unique_ptr<WindowSettings> window_;
    std::unique_ptr<cReport> report_;
    std::int32_t pdfReplaced_ = 0;
};

}  // namespace kalder
