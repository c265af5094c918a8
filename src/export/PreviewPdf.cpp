// The PDF family of Preview.
#include "kalder/Preview.h"

#include "document/cDocument.h"
#include "export/PdfWriter.h"

namespace kalder {

void Preview::ExportPDF(const std::string& OutputLocation) {
    PdfWriter writer;
    const PdfResult result = writer.write(*doc_, OutputLocation);
    pdfReplaced_ = static_cast<std::int32_t>(result.replacedCharacters);
}

}  // namespace kalder
