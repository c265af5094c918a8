#include "print/FileOutput.h"

#include <filesystem>

#include "kalder/Enums.h"
#include "kalder/Preview.h"
#include "print/OutputSettings.h"

namespace kalder {

namespace {
[[noreturn]] void notHandled() { throw AutomationError(-69, "Kalder", "Output destination not handled"); }
}  // namespace

bool isFileOutput(std::int32_t output) {
    return (output >= prOTStructured && output <= prOTJPEGFile) || output == prOTPDFFile;
}

std::string htmlBaseName(const std::string& outputFile) {
    const auto dot = outputFile.rfind('.');
    return dot == std::string::npos ? outputFile : outputFile.substr(0, dot);
}

std::string withoutExtension(const std::string& outputFile) {
    return std::filesystem::path(outputFile).replace_extension().string();
}

void writeFileOutput(Preview& pv, std::int32_t output) {
    if (!isFileOutput(output)) notHandled();
    const std::string& file = pv.outputSettings().OutputFile;
    if (file.empty()) throw AutomationError(-69, "Kalder", "The filename is missing");
    switch (output) {
        case prOTStructured: pv.SaveXML(file); break;
        case prOTBITMAPFile: pv.ExportBMP(withoutExtension(file)); break;
        case prOTJPEGFile: pv.ExportJPG(withoutExtension(file)); break;
        case prOTPDFFile: pv.ExportPDF(file); break;
        case prOTRTFFile: pv.ExportRTF(file); break;
        case prOTTextFile: pv.ExportText(file); break;
        // The pages go into a folder named as the file without its extension.
        case prOTHTMLFile: pv.ExportHTML(withoutExtension(file)); break;
        default: notHandled();
    }
}

}  // namespace kalder
