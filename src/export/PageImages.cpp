#include "export/PageImages.h"

#include <QBuffer>

#include "core/AtomicFile.h"
#include "core/Limits.h"
#include "core/Progress.h"
#include "document/cDocument.h"
#include "export/JpegWriter.h"

namespace kalder {

const char* extensionOf(PageImageFormat format) {
    switch (format) {
        case PageImageFormat::Jpeg: return ".jpg";
        case PageImageFormat::Png: return ".png";
        default: return ".bmp";
    }
}

namespace {
void writeWithQt(const QImage& image, const std::string& filename, const char* qtFormat, const char* source) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, qtFormat))
        throw AutomationError(75, source, "Path/File access error : " + filename + ": image could not be encoded");
    AtomicFile file(filename, source);
    file.write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    file.commit();
}
}  // namespace

namespace {
const char* source(PageImageFormat format) {
    switch (format) {
        case PageImageFormat::Jpeg: return "ExportJPG";
        case PageImageFormat::Png: return "ExportPNG";
        default: return "ExportBMP";
    }
}
}  // namespace

int exportPageImages(const cDocument& doc, const std::string& location, PageImageFormat format,
                     const PageImageOptions& options) {
    int n = 0;
    for (const auto& page : doc.pages()) {
        ++n;
        // Checked before a pixel is allocated: a page of 10,000,000 twips would take gigabytes.
        const QSize size = pageImageSize(*page, options);
        if (static_cast<double>(size.width()) * size.height() > static_cast<double>(limits::kPageImagePixels))
            throw AutomationError(err::OutOfMemory, source(format),
                                  "Page " + std::to_string(n) + " would be an image of " + std::to_string(size.width()) +
                                      " x " + std::to_string(size.height()) + " pixels, beyond the limit of " +
                                      std::to_string(limits::kPageImagePixels) + " pixels");
        const QImage image = renderPageImage(doc, *page, options);
        const std::string name = location + std::to_string(n) + extensionOf(format);
        switch (format) {
            case PageImageFormat::Jpeg: writeJpeg(image, name); break;
            case PageImageFormat::Png: writeWithQt(image, name, "PNG", source(format)); break;
            default: writeWithQt(image.convertToFormat(QImage::Format_RGB888), name, "BMP", source(format));
        }
        reportPage(n, static_cast<std::int32_t>(doc.PagesCount()));
    }
    return n;
}

}  // namespace kalder
