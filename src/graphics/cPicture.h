// Picture element (kind 8): a picture stretched to Width x Height twips at (xPos, yPos)
// relative to the frame.
//
// Internal storage holds the picture (pix); external storage holds only Filename, and the
// file is read again at each drawing, so a changed file shows its new content and a file
// that is gone draws nothing (without an error: drawing never stops for one element).
//
// XML items: "xPos", "yPos", "Width", "Height", "PictureType", "StoreType", "FilNam", and for
// internal storage "PixData": the picture's file bytes as upper-case hexadecimal, two digits
// a byte, high digit first. Both the DOM and the string form write it. PixData that is not
// hexadecimal or not a picture loads as an element that draws nothing but keeps the text, so
// saving the document again writes it back unchanged.
#pragma once

#include <cstdint>
#include <string>

#include "core/Picture.h"
#include "document/cElement.h"
#include "kalder/Enums.h"

namespace kalder {

class cPicture final : public cElement {
public:
    cPicture();

    Picture pix;
    std::int32_t StoreType = prSTInternal;
    std::string Filename;
    std::string PictureType;
    std::int32_t xPos = 0;
    std::int32_t yPos = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;

    void Preview(const cFrame& frame, RenderContext& ctx) const override;
    std::shared_ptr<cElement> Copy() const override;

protected:
    void saveItems(ItemWriter& out) const override;
    void loadItems(const ItemReader& in) override;

private:
    template <class Self, class Io>
    static void fields(Self& self, Io io);

    // PixData as it was read, when it did not decode to a picture.
    std::string undecoded_;
};

// Upper-case hexadecimal of bytes, and back; fromHex returns false (and leaves `bytes` alone)
// for an odd length or a character that is not a hexadecimal digit.
std::string toHex(std::string_view bytes);
bool fromHex(std::string_view hex, std::string& bytes);

}  // namespace kalder
