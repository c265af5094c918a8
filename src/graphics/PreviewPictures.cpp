// Picture members of Preview: each reads what it needs of the picture, makes the element and
// adds it to the current frame.
#include "kalder/Preview.h"

#include <QImage>
#include <QPixmap>

#include "core/Twips.h"
#include "document/CurrentFrame.h"
#include "graphics/cPicture.h"

namespace kalder {

namespace {
std::string addPicture(cDocument& doc, std::shared_ptr<cPicture> picture, const Picture& shown, const Variant& xPos,
                       const Variant& yPos, const Variant& vWidth, const Variant& vHeight) {
    picture->xPos = kalder::C_Twips(xPos);
    picture->yPos = kalder::C_Twips(yPos);
    picture->Width = vWidth.isMissing() ? shown.naturalWidth() : kalder::C_Twips(vWidth);
    picture->Height = vHeight.isMissing() ? shown.naturalHeight() : kalder::C_Twips(vHeight);
    return addToCurrentFrame(doc, picture);
}
}  // namespace

std::string Preview::DrawPicture(const std::string& pix, std::int32_t StoreType, const Variant& xPos,
                                 const Variant& yPos, const Variant& vWidth, const Variant& vHeight) {
    auto picture = std::make_shared<cPicture>();
    picture->Filename = pix;
    picture->PictureType = pictureTypeOf(pix);
    picture->StoreType = StoreType == prSTInternal ? prSTInternal : prSTExternal;
    // An external picture whose sizes are given is not read now: the file may appear later.
    Picture read;
    if (picture->StoreType == prSTInternal || vWidth.isMissing() || vHeight.isMissing())
        read = doc_->pictures->fromFile(pix, "DrawPicture");
    if (picture->StoreType == prSTInternal) picture->pix = read;
    return addPicture(*doc_, picture, read, xPos, yPos, vWidth, vHeight);
}

std::string Preview::DrawPictureMemory(const QImage& pix, const Variant& xPos, const Variant& yPos,
                                       const Variant& vWidth, const Variant& vHeight) {
    auto picture = std::make_shared<cPicture>();
    picture->pix = Picture::fromImage(pix);
    picture->PictureType = "bmp";
    return addPicture(*doc_, picture, picture->pix, xPos, yPos, vWidth, vHeight);
}

std::string Preview::DrawPictureMemory(const QPixmap& pix, const Variant& xPos, const Variant& yPos,
                                       const Variant& vWidth, const Variant& vHeight) {
    return DrawPictureMemory(pix.toImage(), xPos, yPos, vWidth, vHeight);
}

}  // namespace kalder
