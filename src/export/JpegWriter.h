// Writes an image as a JPEG file through libjpeg-turbo (4:2:0 chroma, the given quality).
// The file appears only when complete. Errors: AutomationError 26001 with the source
// "Kalder.JpegWriter" and a description that begins "Failed to initialise the IJL library: "
// when the encoder cannot start, or "Failed to save to JPG " when the image cannot be written.
#pragma once

#include <QImage>
#include <string>
#include <string_view>

namespace kalder {

constexpr int kJpegQuality = 90;

void writeJpeg(const QImage& image, const std::string& filename, int quality = kJpegQuality);

// The JPEG bytes of an image; empty when the encoder fails.
std::string encodeJpeg(const QImage& image, int quality = kJpegQuality);

// The size and colour space of JPEG bytes, read from their header alone. False for bytes that
// are not a JPEG a PDF reader shows as they stand (not a JPEG, or CMYK, whose inverted Adobe
// form readers disagree on).
struct JpegHeader {
    int width = 0;
    int height = 0;
    bool gray = false;
};
bool readJpegHeader(std::string_view bytes, JpegHeader& header);

}  // namespace kalder
