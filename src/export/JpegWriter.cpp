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

bool readJpegHeader(std::string_view bytes, JpegHeader& header) {
    if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF || static_cast<unsigned char>(bytes[1]) != 0xD8)
        return false;
    tjhandle handle = tjInitDecompress();
    if (!handle) return false;
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    const int rc = tjDecompressHeader3(handle, reinterpret_cast<const unsigned char*>(bytes.data()),
                                       static_cast<unsigned long>(bytes.size()), &width, &height, &subsampling,
                                       &colorspace);
    tjDestroy(handle);
    if (rc != 0 || width <= 0 || height <= 0) return false;
    if (colorspace != TJCS_RGB && colorspace != TJCS_YCbCr && colorspace != TJCS_GRAY) return false;
    header = {width, height, colorspace == TJCS_GRAY};
    return true;
}

}  // namespace kalder
