// Compiled as C++17: qpdf's JSON header keeps a vector of its own incomplete class, which
// clang rejects under C++20 with libstdc++'s constexpr vector.
#include "PdfCheck.h"

#include <qpdf/Pl_Discard.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <vector>

#include "FuzzSupport.h"

namespace kalder::fuzz {

namespace {
// Content operators are parsed and dropped: a syntax error in a content stream raises or warns.
class DiscardContents final : public QPDFObjectHandle::ParserCallbacks {
public:
    void handleObject(QPDFObjectHandle) override {}
    void handleEOF() override {}
};
}  // namespace

void checkPdf(const std::string& file, std::int32_t pages) {
    try {
        QPDF pdf;
        pdf.setAttemptRecovery(false);
        pdf.setSuppressWarnings(true);
        pdf.processFile(file.c_str());
        std::vector<QPDFPageObjectHelper> all = QPDFPageDocumentHelper(pdf).getAllPages();
        check(all.size() == static_cast<std::size_t>(pages), "the PDF has one page per document page");
        for (QPDFPageObjectHelper& page : all) {
            DiscardContents contents;
            page.parseContents(&contents);
        }
        QPDFWriter writer(pdf);
        Pl_Discard discard;
        writer.setOutputPipeline(&discard);
        writer.setDecodeLevel(qpdf_dl_all);
        writer.write();
        check(!pdf.anyWarnings(), "libqpdf reads the PDF without warnings");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qpdf: %s\n", e.what());
        check(false, "libqpdf reads the PDF");
    }
}

}  // namespace kalder::fuzz
