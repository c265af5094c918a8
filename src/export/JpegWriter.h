// Writes an image as a JPEG file through libjpeg-turbo (4:2:0 chroma, the given quality).
// The file appears only when complete. Errors: AutomationError 26001 with the source
// "Kalder.JpegWriter" and a description that begins "Failed to initialise the IJL library: "
// when the encoder cannot start, or "Failed to save to JPG " when the image cannot be written.
#pragma once

#include <QImage>
#include <string>

namespace kalder {

constexpr int kJpegQuality = 90;

void writeJpeg(const QImage& image, const std::string& filename, int quality = kJpegQuality);

// The JPEG bytes of an image; empty when the encoder fails.
std::string encodeJpeg(const QImage& image, int quality = kJpegQuality);

}  // namespace kalder
