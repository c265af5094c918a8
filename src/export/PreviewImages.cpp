// The page-image family of Preview: every page as a bitmap or a JPEG file.
#include "kalder/Preview.h"

#include "document/cDocument.h"
#include "export/PageImages.h"

namespace kalder {

void Preview::ExportBMP(const std::string& OutputLocation) {
    exportPageImages(*doc_, OutputLocation, PageImageFormat::Bmp);
}

void Preview::ExportJPG(const std::string& OutputLocation) {
    exportPageImages(*doc_, OutputLocation, PageImageFormat::Jpeg);
}

}  // namespace kalder
