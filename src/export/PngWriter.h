// Encodes an image as PNG bytes (ISO/IEC 15948): the signature, IHDR, one IDAT and IEND, each
// chunk with its length and CRC-32. Pixels are 8-bit RGB, or RGBA (straight alpha) when the
// image has an alpha channel, not interlaced. Each row takes the filter that leaves the
// smallest sum of absolute byte values, the heuristic the PNG standard recommends; the rows
// are deflated by zlib at its default level.
//
// Contract: encodePng() returns the whole file; an empty image gives "". Throws
// AutomationError 7 when zlib cannot allocate.
#pragma once

#include <QImage>
#include <string>

namespace kalder {

std::string encodePng(const QImage& image);

}  // namespace kalder
