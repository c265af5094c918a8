// Every page of a document as an image file: page n (its position, from 1) is written to
// location + n + extension. The location is a prefix: "out/page" gives out/page1.bmp, and
// "out/" gives out/1.bmp.
#pragma once

#include <string>

#include "platform/PageImage.h"

namespace kalder {

class cDocument;

enum class PageImageFormat { Bmp, Jpeg, Png };

// Writes the files; returns how many. A page whose drawing fails still gets its file with
// what was drawn. A file that cannot be written ends the export with an error (75, or 26001
// for JPEG); the files already written stay.
int exportPageImages(const cDocument& doc, const std::string& location, PageImageFormat format,
                     const PageImageOptions& options = {});

const char* extensionOf(PageImageFormat format);

}  // namespace kalder
