// Public enumeration constants. Each group carries the prefix "pr" and a group code;
// the values are those callers of the component pass and store in documents.
// Later families add their groups here as they land.
#pragma once

#include <cstdint>

namespace kalder {

// Printer scale units of ConvertToTwip / ConvertFromTwip.
enum PrinterScaleType : std::int32_t { prTwip = 1, prInch = 5, prMillimeter = 6, prCentimeter = 7 };

// Key comparison of FastCollection.
enum CompareModes : std::int32_t { CompareText = 0, CompareBinary = 1 };

enum eOrientation : std::int32_t { prORPortrait = 1, prORLandscape = 2 };

enum eLeadingType : std::int32_t { prLTPercent = 1, prLTAbsolute = 2, prLTIncrement = 3 };

enum ePageNoType : std::int32_t { prPTArabic = 0, prPTRoman = 1 };

enum eLineBox : std::int32_t { prLBLine = 0, prLBBox = 1, prLBBoxFill = 2 };

enum eAutoStep : std::int32_t { prASNone = 0, prASLine = 1, prASPage = 2, prASInside = 3, prASCopypage = 4 };

enum eArrowType : std::int32_t { prARSharp = 0, prARAngle = 1 };

enum eAlignType : std::int32_t { prALLeft = 0, prALRight = 1, prALCenter = 2, prALJustify = 3 };

enum OutputType : std::int32_t {
    prOTDefault = 0,
    prOTPrinter = 1,
    prOTScreen = 2,
    prOTStructured = 3,
    prOTTextFile = 4,
    prOTRTFFile = 5,
    prOTHTMLFile = 6,
    prOTBITMAPFile = 7,
    prOTJPEGFile = 8,
    prOTPrinterDialog = 9,
    prOTPDFFile = 10,
};

// Paper sizes; the twip sizes of each are in the document's paper-size table.
enum ePaperSize : std::int32_t {
    prPSLetter = 1,
    prPSLetterSmall = 2,
    prPSTabloid = 3,
    prPSLedger = 4,
    prPSLegal = 5,
    prPSStatement = 6,
    prPSExecutive = 7,
    prPSA3 = 8,
    prPSA4 = 9,
    prPSA4Small = 10,
    prPSA5 = 11,
    prPSB4 = 12,
    prPSB5 = 13,
    prPSFolio = 14,
    prPSQuarto = 15,
    prPS10x14 = 16,
    prPS11x17 = 17,
    prPSNote = 18,
    prPSEnv9 = 19,
    prPSEnv10 = 20,
    prPSEnv11 = 21,
    prPSEnv12 = 22,
    prPSEnv14 = 23,
    prPSCSheet = 24,
    prPSDSheet = 25,
    prPSESheet = 26,
    prPSEnvDL = 27,
    prPSEnvC5 = 28,
    prPSEnvC3 = 29,
    prPSEnvC4 = 30,
    prPSEnvC6 = 31,
    prPSEnvC65 = 32,
    prPSEnvB4 = 33,
    prPSEnvB5 = 34,
    prPSEnvB6 = 35,
    prPSEnvItaly = 36,
    prPSEnvMonarch = 37,
    prPSEnvPersonal = 38,
    prPSFanfoldUS = 39,
    prPSFanfoldStdGerman = 40,
    prPSFanfoldLglGerman = 41,
    prPSUserDefine = 42,
};

// Printer settings of the print run.
enum ePagesOpt : std::int32_t { prPOAll = 1, prPOCurrent = 2, prPORange = 3, prPOOddEven = 4 };
enum eOddEven : std::int32_t { prOEOdd = 1, prOEEven = 2, prOEBoth = 3 };
enum eOrientOpt : std::int32_t { prOOPortrait = 1, prOOLandscape = 2, prOOAsIs = 3 };
// Paper sources; a printer's own sources have codes from 256 up.
enum ePaperBin : std::int32_t {
    prBNUpper = 1,
    prBNLower = 2,
    prBNMiddle = 3,
    prBNManual = 4,
    prBNEnvelope = 5,
    prBNEnvManual = 6,
    prBNAuto = 7,
    prBNTractor = 8,
    prBNSmallFmt = 9,
    prBNLargeFmt = 10,
    prBNLargeCapacity = 11,
    prBNCassette = 14,
    prBNFormSource = 15,
};
// Negative values are the four quality steps; a positive value is dots per inch.
enum PrintQualityType : std::int32_t { prPQDraft = -1, prPQLow = -2, prPQMedium = -3, prPQHigh = -4 };
enum ColorModeType : std::int32_t { prCMMonochrome = 1, prCMColor = 2 };
// Bits of the export kinds offered for print-to-file.
enum ePreviewExport : std::int32_t {
    prELStructured = 1,
    prELRTF = 2,
    prELHTML = 4,
    prELText = 16,
    prELPDF = 32,
    prELBitmap = 64,
    prELJPEG = 128,
};

// Interface languages: each value is where the language's block starts in the interface-text
// table (the text of interface id n in language L has table id L + n).
enum LanguageType : std::int32_t {
    prEnglish = 0,
    prFrench = 1000,
    prSpanish = 2000,
    prGerman = 3000,
    prMalay = 3500,
    prDutch = 4000,
    prItalian = 5000,
    prDanish = 6000,
    prPortuguese = 7000,
    prHungarian = 8000,
    prTurkish = 9000,
    prPolish = 10000,
    prSlovenian = 10100,
    prSwedish = 10300,
    prHebrew = 10500,
    prGreek = 11000,
};

// The preview window's zoom when it opens: a percentage from 0 to 200, or one of these.
enum ZoomType : std::int32_t { prZMDefault = -1, prZMPageWidth = -2, prZMWholePage = -3, prZMTwoPages = -4 };

// The preview window's state when it is shown.
enum WindowStateType : std::int32_t { prNormal = 0, prMinimized = 1, prMaximized = 2 };

// Barcode symbologies. Code 128 and QR Code follow the eight linear kinds of the original
// set, so documents saved with those keep their numbers.
enum BarCodeType : std::int32_t {
    prCodaBar = 0,
    prCode39 = 1,
    prEAN8 = 2,
    prEAN13 = 3,
    prITF = 4,
    prPostNet = 5,
    prUPCA = 6,
    prUPCE = 7,
    prCode128 = 8,
    prQRCode = 9,
};
// The same values under their other names.
enum eBarCodeType : std::int32_t {
    prBCCodaBar = 0,
    prBCCode39 = 1,
    prBCEAN8 = 2,
    prBCEAN13 = 3,
    prBCITF = 4,
    prBCPostNet = 5,
    prBCUPCA = 6,
    prBCUPCE = 7,
    prBCCode128 = 8,
    prBCQRCode = 9,
};
// Error-correction level of a QR Code: about 7, 15, 25 or 30 % of the symbol may be lost.
enum eQRLevel : std::int32_t { prQRLevelL = 0, prQRLevelM = 1, prQRLevelQ = 2, prQRLevelH = 3 };

// Where a picture element keeps its picture: only the file name (read at each drawing) or
// the picture itself.
enum eStoreType : std::int32_t { prSTExternal = 0, prSTInternal = 1 };

// Column reports: a column's alignment, value format and calculation, and the rulings as bits.
enum eColAlign : std::int32_t { prCALeft = 0, prCARight = 1, prCACenter = 2, prCADecimal = 3 };
enum eFormatType : std::int32_t {
    prFMGeneral = 0,
    prFMPercent = 1,
    prFMNumber = 2,
    prFMDateTime = 3,
    prFMCurrency = 4,
};
enum eCalcType : std::int32_t { prCCNone = 0, prCCCount = 1, prCCSum = 2, prCCMin = 3, prCCMax = 4, prCCAverage = 5 };
enum eReportLines : std::int32_t {
    prRLLineBeforeCalc = 1,
    prRLLineAfterCalc = 2,
    prRLVerticalLines = 4,
    prRLHorizontalLines = 16,
    prRLLineAround = 255,
};
// Older names the type library carries beside the column model (which uses eCalcType).
enum ColumnType : std::int32_t { prString = 0, prNumeric = 1, prDate = 2 };
enum CalcType : std::int32_t { prCount = 0, prSum = 1, prMin = 2, prMax = 3, prAverage = 4 };
enum SortType : std::int32_t { prNone = 0, prAscending = 1, prDescending = 2 };

// Element kind numbers: ElementType of every element, the "Type" of its XML form.
enum ElementKind : std::int32_t {
    ekLine = 1,
    ekEllipse = 2,
    ekGraphicText = 3,
    ekParaText = 4,
    ekSymbol = 5,
    ekWindowsForm = 6,
    ekBarCode = 7,
    ekPicture = 8,
    ekArrow = 9,
    ekPageNo = 10,
    ekReference = 11,
    ekPSet = 12,
    ekPolygon = 13,
    ekRoundRect = 14,
    ekChangeStyle = 15,
};

// Vertex of a polygon.
struct POLYVERT {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

}  // namespace kalder
