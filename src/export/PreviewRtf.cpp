// The RTF family of Preview.
#include "kalder/Preview.h"

#include "core/Progress.h"
#include "document/cDocument.h"
#include "export/RtfWriter.h"

namespace kalder {

void Preview::ExportRTF(const std::string& OutputLocation) {
    const ProgressScope progress(onProgress, "ExportRTF");
    RtfWriter().write(*doc_, OutputLocation);
}

}  // namespace kalder
