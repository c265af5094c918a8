// The barcode member of Preview: measures through C_Twips, the element under the key
// "oElement n" in the current frame, and the current position moved below the bars.
#include "kalder/Preview.h"

#include <algorithm>

#include "core/Twips.h"
#include "document/cDocument.h"
#include "graphics/barcodes/Symbol.h"
#include "graphics/cBarCode.h"

namespace kalder {

namespace {
constexpr std::int32_t kDefaultWidth = 1400;
constexpr std::int32_t kDefaultHeight = 720;
}  // namespace

std::string Preview::AddBarCode(const std::string& Text, std::int32_t bct, const Variant& vxPos,
                                const Variant& vyPos, const Variant& vWidth, const Variant& vHeight,
                                bool bAddCheckDigit, std::int32_t qrLevel) {
    auto barcode = std::make_shared<cBarCode>();
    barcode->Data = Text;
    barcode->BarCodeType = bct;
    barcode->xPos = vxPos.isMissing() ? doc_->CurrentX : kalder::C_Twips(vxPos);
    barcode->yPos = vyPos.isMissing() ? doc_->CurrentY : kalder::C_Twips(vyPos);
    barcode->BarWidth = vWidth.isMissing() ? kDefaultWidth : kalder::C_Twips(vWidth);
    barcode->BarHeight = vHeight.isMissing() ? kDefaultHeight : kalder::C_Twips(vHeight);
    barcode->IncludeCheckDigit = bAddCheckDigit;
    barcode->QRLevel = qrLevel;
    auto frame = doc_->currentFrame();
    if (!frame) return {};
    std::string key = frame->addElement(barcode, "oElement ");
    const std::int64_t below = static_cast<std::int64_t>(barcode->yPos) + barcode->BarHeight;
    doc_->CurrentY = static_cast<std::int32_t>(std::clamp<std::int64_t>(below, INT32_MIN, INT32_MAX));
    return key;
}

std::int32_t Preview::BarCodeModules(const std::string& Text, std::int32_t bct, bool bAddCheckDigit,
                                     std::int32_t qrLevel) const {
    const barcodes::Symbol symbol = barcodes::encode(bct, Text, bAddCheckDigit, qrLevel);
    return symbol.rows.empty() ? 0 : static_cast<std::int32_t>(symbol.rows.front().size());
}

}  // namespace kalder
