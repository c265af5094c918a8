// The HTML and text family of Preview.
#include "kalder/Preview.h"

#include "document/cDocument.h"
#include "export/HtmlWriter.h"
#include "export/TextWriter.h"

namespace kalder {

void Preview::ExportHTML(const std::string& OutputLocation) { HtmlWriter().write(*doc_, OutputLocation); }
void Preview::ExportText(const std::string& OutputLocation) { TextWriter().write(*doc_, OutputLocation); }

}  // namespace kalder
