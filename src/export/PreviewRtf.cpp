// The RTF family of Preview.
#include "kalder/Preview.h"

namespace kalder {

void Preview::ExportRTF(const std::string&) { throw AutomationError(-69, "Kalder", "Output destination not handled"); }

}  // namespace kalder
