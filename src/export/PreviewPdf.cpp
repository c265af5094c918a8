// The PDF family of Preview.
#include "kalder/Preview.h"

#include "core/Progress.h"
#include "document/cDocument.h"
#include "export/PdfWriter.h"

namespace kalder {

void Preview::ExportPDF(const std::string& OutputLocation) {
    // PDFCompression 0 to 9 is zlib's level (0 stores, 1 is fastest, 9 smallest); any other
    // value, as the default 99, leaves the writer's own choice.
    const ProgressScope progress(onProgress, "ExportPDF");
    PdfOptions options;
    if (PDFCompression() >= 0 && PDFCompression() <= 9) options.compressionLevel = PDFCompression();
    options.embedFonts = PDFEmbedFonts();
    PdfWriter writer(options);
    const PdfResult result = writer.write(*doc_, OutputLocation);
    pdfReplaced_ = static_cast<std::int32_t>(result.replacedCharacters);
}

}  // namespace kalder
