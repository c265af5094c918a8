// The file destinations of EndDocument and of the printer setup dialog: the document of a
// Preview written to its OutputFile by one of the writers.
#pragma once

#include <cstdint>
#include <string>

namespace kalder {

class Preview;

// Writes for prOTStructured, prOTTextFile, prOTRTFFile, prOTHTMLFile, prOTBITMAPFile,
// prOTJPEGFile or prOTPDFFile. Raises -69 "Kalder" "The filename is missing" for an empty
// OutputFile and -69 "Output destination not handled" for another output or a writer the
// library does not have; a writer's own failure passes on.
void writeFileOutput(Preview& pv, std::int32_t output);

bool isFileOutput(std::int32_t output);

// HTML pages are named from the file name up to its last "." (the whole name without one).
std::string htmlBaseName(const std::string& outputFile);
// Page images are named from the file name less its extension, folder kept.
std::string withoutExtension(const std::string& outputFile);

}  // namespace kalder
