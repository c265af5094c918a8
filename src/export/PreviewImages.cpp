// The page-image family of Preview: every page as a bitmap or a JPEG file.
#include "kalder/Preview.h"

#include "core/Progress.h"
#include "document/cDocument.h"
#include "export/PageImages.h"

namespace kalder {

// The pages as the current printer would print them: text beyond its printable extent is
// left out here as on paper.
void Preview::ExportBMP(const std::string& OutputLocation) {
    const ProgressScope progress(onProgress, "ExportBMP");
    PageImageOptions options;
    options.printer = currentPrinterMetrics(*this);
    exportPageImages(*doc_, OutputLocation, PageImageFormat::Bmp, options);
}

void Preview::ExportJPG(const std::string& OutputLocation) {
    const ProgressScope progress(onProgress, "ExportJPG");
    PageImageOptions options;
    options.printer = currentPrinterMetrics(*this);
    exportPageImages(*doc_, OutputLocation, PageImageFormat::Jpeg, options);
}

}  // namespace kalder
