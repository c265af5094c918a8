// QR Code (ISO/IEC 18004) through libqrencode: the data as 8-bit bytes, so any UTF-8 text
// survives unchanged, in the smallest version that holds it. Data with bytes beyond ASCII is
// led by the ECI designator 26 (UTF-8): without it readers guess the character set of 8-bit
// data, and guess Shift JIS for many accented words.
#include "graphics/barcodes/Encoders.h"

#include <qrencode.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <new>

#include "graphics/barcodes/Patterns.h"

namespace kalder::barcodes {

std::vector<std::string> encodeQrCode(std::string_view data, std::int32_t level) {
    constexpr const char* kSource = "QR Code";
    if (data.empty()) fail(kSource, "There is no data to encode.");
    static constexpr QRecLevel kLevels[] = {QR_ECLEVEL_L, QR_ECLEVEL_M, QR_ECLEVEL_Q, QR_ECLEVEL_H};
    const QRecLevel ec = level >= 0 && level <= 3 ? kLevels[level] : QR_ECLEVEL_M;
    // No version holds more than 2953 bytes (version 40 at level L, ISO/IEC 18004 Table 7);
    // longer data is refused before libqrencode, whose byte count is an int, sees it.
    constexpr std::size_t kMostBytes = 2953;
    if (data.size() > kMostBytes) fail(kSource, "The data is too long for a QR Code symbol.");
    errno = 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    // Version 0 asks for the smallest version that holds the data at this level.
    const bool ascii =
        std::all_of(data.begin(), data.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(nullptr, &QRcode_free);
    if (ascii) {
        code.reset(QRcode_encodeData(static_cast<int>(data.size()), bytes, 0, ec));
    } else {
        const std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(0, ec), &QRinput_free);
        constexpr unsigned int kUtf8Eci = 26;
        if (input && QRinput_appendECIheader(input.get(), kUtf8Eci) == 0 &&
            QRinput_append(input.get(), QR_MODE_8, static_cast<int>(data.size()), bytes) == 0)
            code.reset(QRcode_encodeInput(input.get()));
    }
    if (!code) {
        if (errno == ENOMEM) throw std::bad_alloc();
        fail(kSource, "The data is too long for a QR Code symbol.");  // ERANGE: too long at this level
    }
    std::vector<std::string> rows(static_cast<std::size_t>(code->width));
    const unsigned char* module = code->data;
    for (std::string& row : rows) {
        row.reserve(static_cast<std::size_t>(code->width));
        for (int x = 0; x < code->width; ++x) row += (*module++ & 1) ? '1' : '0';  // bit 0: dark
    }
    return rows;
}

}  // namespace kalder::barcodes
