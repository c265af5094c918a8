// Barcode element (kind 7): Data encoded in a symbology at draw time, drawn as modules of
// equal pitch in BarWidth x BarHeight twips at (xPos, yPos) relative to the frame, with Data
// centred below the bars. Only the data and the layout are kept; the modules come from the
// encoders (graphics/barcodes/) whenever the element is drawn.
//
// A linear symbol draws each module as a zero-width box at x = left + (i - 1) * pitch + 1
// (pitch = BarWidth / modules, integer division) in the line colour for a dark module and
// white for a light one, with the pen of the current line style: the pen width is the bar's
// visible thickness, so DrawWidth should be the module width. A QR Code draws its dark modules
// as filled squares of side min(BarWidth, BarHeight) / modules, without text below.
// Data a symbology cannot encode draws nothing (the encoder's error ends the drawing).
//
// XML items: "xPos", "yPos", "BarWidth", "BarHeight", "Data", "BarCodeType"; then
// "CheckDigit" (True) when a check digit was asked for and "QRLevel" for a QR Code, so that
// a reloaded barcode draws the same bars.
#pragma once

#include <cstdint>
#include <string>

#include "document/cElement.h"
#include "kalder/Enums.h"

namespace kalder {

class cBarCode final : public cElement {
public:
    cBarCode();

    std::int32_t xPos = 0;
    std::int32_t yPos = 0;
    std::int32_t BarWidth = 0;
    std::int32_t BarHeight = 0;
    std::int32_t BarCodeType = prCodaBar;
    std::string Data;
    bool IncludeCheckDigit = false;
    std::int32_t QRLevel = prQRLevelM;

    void Preview(const cFrame& frame, RenderContext& ctx) const override;
    std::shared_ptr<cElement> Copy() const override;

protected:
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;

private:
    template <class Self, class Io>
    static void fields(Self& self, Io io);
};

}  // namespace kalder
