#include "export/PngWriter.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "export/Deflater.h"

namespace kalder {

namespace {

void appendBigEndian(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v >> 24), out += static_cast<char>(v >> 16);
    out += static_cast<char>(v >> 8), out += static_cast<char>(v);
}

void appendChunk(std::string& out, const char (&type)[5], std::string_view data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.append(type, 4);
    out.append(data);
    // The CRC covers the type and the data, not the length.
    const auto* covered = reinterpret_cast<const Bytef*>(out.data() + typeAt);
    appendBigEndian(out, static_cast<std::uint32_t>(crc32(0, covered, static_cast<uInt>(4 + data.size()))));
}

int paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Appends the filter byte and the filtered row, trying the five filters of filter method 0.
void appendFilteredRow(std::string& out, const std::uint8_t* row, const std::uint8_t* above, std::size_t length,
                       std::size_t bpp, std::array<std::string, 5>& trial) {
    std::size_t best = 0;
    long bestCost = -1;
    for (std::size_t f = 0; f < 5; ++f) {
        std::string& t = trial[f];
        t.resize(length);
        long cost = 0;
        for (std::size_t i = 0; i < length; ++i) {
            const int a = i >= bpp ? row[i - bpp] : 0, b = above ? above[i] : 0;
            const int c = i >= bpp && above ? above[i - bpp] : 0;
            const int predicted = f == 0 ? 0 : f == 1 ? a : f == 2 ? b : f == 3 ? (a + b) / 2 : paeth(a, b, c);
            const auto v = static_cast<std::uint8_t>(row[i] - predicted);
            t[i] = static_cast<char>(v);
            cost += v < 128 ? v : 256 - v;  // the byte read as signed
        }
        if (bestCost < 0 || cost < bestCost) best = f, bestCost = cost;
    }
    out += static_cast<char>(best);
    out += trial[best];
}

}  // namespace

std::string encodePng(const QImage& image) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return "";
    const bool alpha = image.hasAlphaChannel();
    const QImage pixels = image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const std::size_t bpp = alpha ? 4 : 3;
    const auto width = static_cast<std::uint32_t>(pixels.width()), height = static_cast<std::uint32_t>(pixels.height());
    const std::size_t length = width * bpp;

    std::string raw;
    raw.reserve((length + 1) * height);
    std::array<std::string, 5> trial;
    for (std::uint32_t y = 0; y < height; ++y)
        appendFilteredRow(raw, pixels.constScanLine(static_cast<int>(y)),
                          y ? pixels.constScanLine(static_cast<int>(y) - 1) : nullptr, length, bpp, trial);
    std::string deflated;
    Deflater().compress(raw, deflated);

    std::string header;
    appendBigEndian(header, width);
    appendBigEndian(header, height);
    // Bit depth 8; colour type 6 (RGBA) or 2 (RGB); compression, filter and interlace methods 0.
    header += '\x08', header += alpha ? '\x06' : '\x02', header.append(3, '\0');

    std::string png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", deflated);
    appendChunk(png, "IEND", "");
    return png;
}

}  // namespace kalder
