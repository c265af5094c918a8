#include "graphics/barcodes/Symbol.h"

#include "graphics/barcodes/Encoders.h"
#include "kalder/Enums.h"

namespace kalder::barcodes {

Symbol encode(std::int32_t type, std::string_view data, bool checkDigit, std::int32_t qrLevel) {
    switch (type) {
    case prCodaBar: return {{encodeCodabar(data)}};
    case prCode39: return {{encodeCode39(data, checkDigit)}};
    case prEAN8: return {{encodeEan8(data)}};
    case prEAN13: return {{encodeEan13(data)}};
    case prITF: return {{encodeItf(data, checkDigit)}};
    case prPostNet: return {{encodePostNet(data)}};
    case prUPCA: return {{encodeUpcA(data)}};
    case prUPCE: return {{encodeUpcE(data)}};
    case prCode128: return {{encodeCode128(data)}};
    case prQRCode: return {encodeQrCode(data, qrLevel)};
    default: return {};
    }
}

}  // namespace kalder::barcodes
