#include "print/ExportKinds.h"

#include <algorithm>
#include <cctype>

#include "kalder/Enums.h"

namespace kalder {

namespace {

constexpr ExportKind kKinds[] = {
    {prELStructured, "Structured file@49", "Structured file (*.xml)", prELStructured - 1, ".xml", prOTStructured},
    {prELRTF, "RTF file@73", "RTF file (*.rtf)", prELRTF - 1, ".rtf", prOTRTFFile},
    {prELPDF, "PDF file", "PDF file (*.pdf)", prELPDF - 1, ".pdf", prOTPDFFile},
    {prELJPEG, "JPeg", "JPEG file (*.jpg)", prELJPEG - 1, ".jpg", prOTJPEGFile},
    {prELBitmap, "Bitmap@71", "Bitmap file (*.bmp)", prELBitmap - 1, ".bmp", prOTBITMAPFile},
};

// Kinds the dialog can dispatch on without offering them in its list.
constexpr ExportKind kUnlisted[] = {
    {prELHTML, "HTML file@70", "HTML file (*.htm)", prELHTML - 1, ".htm", prOTHTMLFile},
    {prELText, "Text file@50", "Text file (*.txt)", prELText - 1, ".txt", prOTTextFile},
};

const ExportKind* kindOf(std::int32_t itemData) {
    for (const ExportKind& k : kKinds)
        if (k.itemData == itemData) return &k;
    for (const ExportKind& k : kUnlisted)
        if (k.itemData == itemData) return &k;
    return nullptr;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view fileNamePart(std::string_view name) {
    const auto slash = name.find_last_of('/');
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

}  // namespace

std::vector<ExportKind> offeredExports(std::int32_t mask) {
    std::vector<ExportKind> kinds;
    for (const ExportKind& k : kKinds)
        if (mask & k.bit) kinds.push_back(k);
    return kinds;
}

std::string exportFilter(const std::vector<ExportKind>& kinds) {
    std::string filter;
    for (const ExportKind& k : kinds) filter += std::string(k.filter) + ";;";
    return filter + "All files (*.*)";
}

std::string extensionOf(std::int32_t itemData) {
    const ExportKind* k = kindOf(itemData);
    return k ? k->extension : "";
}

std::int32_t outputTypeOf(std::int32_t itemData) {
    const ExportKind* k = kindOf(itemData);
    return k ? k->outputType : 0;
}

std::int32_t itemDataOfFile(std::string_view fileName, const std::vector<ExportKind>& kinds) {
    const std::string_view part = fileNamePart(fileName);
    const auto dot = part.find_last_of('.');
    if (dot == std::string_view::npos) return -1;
    std::string ext = lower(part.substr(dot));
    if (ext == ".jpeg") ext = ".jpg";
    for (const ExportKind& k : kinds)
        if (ext == k.extension) return k.itemData;
    return -1;
}

std::string withDefaultExtension(std::string_view name, std::int32_t itemData) {
    std::string out(name);
    if (out.find_first_not_of(" \t") == std::string::npos) return out;  // a missing name stays missing
    if (fileNamePart(name).find('.') == std::string_view::npos) out += extensionOf(itemData);
    return out;
}

}  // namespace kalder
