// The HTML and text family of Preview.
#include "kalder/Preview.h"

namespace kalder {

void Preview::ExportHTML(const std::string&) { throw AutomationError(-69, "Kalder", "Output destination not handled"); }
void Preview::ExportText(const std::string&) { throw AutomationError(-69, "Kalder", "Output destination not handled"); }

}  // namespace kalder
