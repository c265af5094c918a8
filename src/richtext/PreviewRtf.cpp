// RTF import of Preview: an RTF file as paragraph markup, ready for ParaText.
//
// Raises -69 "Kalder" "The filename is missing" for an empty name and the run-time's 53
// "File not found: <name>" when the file cannot be read; a file that does not parse is not an error
// but comes back as "Error parsing file:" followed by the reader's result code.
#include "kalder/Preview.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "richtext/RtfReader.h"

namespace kalder {

namespace {
constexpr std::int32_t kFileNotFound = 53;
}  // namespace

std::string Preview::RtfImport(const std::string& Filename) {
    if (Filename.empty()) throw AutomationError(-69, "Kalder", "The filename is missing");
    std::error_code ec;
    std::ifstream file(Filename, std::ios::binary);
    // A folder opens like a file on Linux but reads as nothing; it is no RTF file either.
    if (!file || std::filesystem::is_directory(Filename, ec)) throw AutomationError(kFileNotFound, "RtfImport", "File not found: " + Filename);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return rtf::importRtfText(bytes);
}

}  // namespace kalder
