// The HTML and text family of Preview.
#include "kalder/Preview.h"

#include "core/Progress.h"
#include "document/cDocument.h"
#include "export/HtmlWriter.h"
#include "export/TextWriter.h"

namespace kalder {

void Preview::ExportHTML(const std::string& OutputLocation) {
    const ProgressScope progress(onProgress, "ExportHTML");
    HtmlWriter().write(*doc_, OutputLocation);
}
void Preview::ExportText(const std::string& OutputLocation) {
    const ProgressScope progress(onProgress, "ExportText");
    TextWriter().write(*doc_, OutputLocation);
}

}  // namespace kalder
