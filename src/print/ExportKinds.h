// The file kinds the printer setup dialog offers for print-to-file, in the order it lists
// them, with the text of each entry, its file-dialog filter and its file extension. Pure.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalder {

struct ExportKind {
    std::int32_t bit;         // ePreviewExport
    const char* entry;        // interface-text literal of the list entry
    const char* filter;       // "Description (*.ext)"
    std::int32_t itemData;    // the bit minus 1, what the dialog dispatches on
    const char* extension;    // ".xml"
    std::int32_t outputType;  // the OutputType that writes it
};

// The kinds whose bit is set in `mask`: structured file, RTF, PDF, JPEG, bitmap (HTML and
// text are never offered).
std::vector<ExportKind> offeredExports(std::int32_t mask);

// The file-dialog filter of the kinds, each as "Description (*.ext)", then "All files (*.*)",
// separated by ";;".
std::string exportFilter(const std::vector<ExportKind>& kinds);

// The extension of an item-data value (".xml", ".rtf", ".htm", ".txt", ".pdf", ".bmp",
// ".jpg"); "" for another value.
std::string extensionOf(std::int32_t itemData);
// The OutputType of an item-data value; 0 for another value.
std::int32_t outputTypeOf(std::int32_t itemData);
// The item data of a file name's extension among the offered kinds; -1 when none matches.
std::int32_t itemDataOfFile(std::string_view fileName, const std::vector<ExportKind>& kinds);

// The name with the kind's extension appended when its file-name part has no "."; a blank
// name stays as it is.
std::string withDefaultExtension(std::string_view name, std::int32_t itemData);

}  // namespace kalder
