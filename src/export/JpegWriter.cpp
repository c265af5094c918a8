#include "export/JpegWriter.h"

#include <turbojpeg.h>

#include <memory>

#include "core/AtomicFile.h"
#include "kalder/AutomationError.h"

namespace kalder {

namespace {
constexpr std::int32_t kJpegError = 26001;
constexpr const char* kSource = "Kalder.JpegWriter";

struct Compressor {
    tjhandle handle = tjInitCompress();
    ~Compressor() {
        if (handle) tjDestroy(handle);
    }
};
}  // namespace

void writeJpeg(const QImage& image, const std::string& filename, int quality) {
    Compressor c;
    if (!c.handle) throw AutomationError(kJpegError, kSource, std::string("Failed to initialise the IJL library: ") + tjGetErrorStr2(nullptr));
    // 32-bit RGB keeps its pixels as B, G, R, x bytes in memory on little-endian machines.
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const int rc = tjCompress2(c.handle, rgb.constBits(), rgb.width(), static_cast<int>(rgb.bytesPerLine()),
                               rgb.height(), TJPF_BGRX, &out, &size, TJSAMP_420, quality, TJFLAG_ACCURATEDCT);
    std::unique_ptr<unsigned char, void (*)(unsigned char*)> owned(out, [](unsigned char* p) { tjFree(p); });
    if (rc != 0)
        throw AutomationError(kJpegError, kSource,
                              "Failed to save to JPG " + filename + ": " + tjGetErrorStr2(c.handle));
    try {
        AtomicFile file(filename, kSource);
        file.write(out, size);
        file.commit();
    } catch (const AutomationError& e) {
        throw AutomationError(kJpegError, kSource, "Failed to save to JPG " + filename + ": " + e.description());
    }
}

std::string encodeJpeg(const QImage& image, int quality) {
    Compressor c;
    if (!c.handle || image.isNull()) return {};
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const int rc = tjCompress2(c.handle, rgb.constBits(), rgb.width(), static_cast<int>(rgb.bytesPerLine()),
                               rgb.height(), TJPF_BGRX, &out, &size, TJSAMP_420, quality, TJFLAG_ACCURATEDCT);
    std::unique_ptr<unsigned char, void (*)(unsigned char*)> owned(out, [](unsigned char* p) { tjFree(p); });
    if (rc != 0) return {};
    return std::string(reinterpret_cast<const char*>(out), size);
}

}  // namespace kalder
