#include "graphics/cPicture.h"

#include "document/RenderContext.h"
#include "document/XmlItems.h"
#include "document/cDocument.h"
#include "graphics/FramePosition.h"

namespace kalder {

namespace {
int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

std::string toHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex(bytes.size() * 2, '0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        hex[2 * i] = kDigits[b >> 4];
        hex[2 * i + 1] = kDigits[b & 15];
    }
    return hex;
}

bool fromHex(std::string_view hex, std::string& bytes) {
    if (hex.size() % 2) return false;
    std::string out(hex.size() / 2, '\0');
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int high = hexValue(hex[2 * i]), low = hexValue(hex[2 * i + 1]);
        if (high < 0 || low < 0) return false;
        out[i] = static_cast<char>(high * 16 + low);
    }
    bytes = std::move(out);
    return true;
}

cPicture::cPicture() : cElement(ekPicture) {}

void cPicture::Preview(const cFrame& frame, RenderContext& ctx) const {
    Picture shown = pix;
    if (StoreType != prSTInternal) {
        if (Filename.empty()) return;
        // The file is read at each drawing; the document's pictures share what was read.
        PictureCache local;
        PictureCache& cache = ctx.document ? *ctx.document->pictures : local;
        shown = cache.fromFile(Filename, "cPicture");  // a file that is gone draws nothing
    }
    if (shown.isNull()) return;
    ctx.canvas.PutPicture(shown, pageX(frame, xPos, "cPicture"), pageY(frame, yPos, "cPicture"), Width, Height,
                          ctx.style);
}

std::shared_ptr<cElement> cPicture::Copy() const { return std::make_shared<cPicture>(*this); }

template <class Self, class Io>
void cPicture::fields(Self& self, Io io) {
    io.item("xPos", self.xPos);
    io.item("yPos", self.yPos);
    io.item("Width", self.Width);
    io.item("Height", self.Height);
    io.item("PictureType", self.PictureType);
    io.item("StoreType", self.StoreType);
    io.item("FilNam", self.Filename);
}

void cPicture::saveItems(ItemWriter& out) const {
    fields(*this, FieldWriter(out));
    if (StoreType != prSTInternal) return;
    out.item("PixData", undecoded_.empty() ? toHex(pix.bytes()) : undecoded_);
}

void cPicture::loadItems(const ItemReader& in) {
    fields(*this, FieldReader(in));
    pix = Picture();
    undecoded_.clear();
    if (StoreType != prSTInternal) return;
    const std::string hex = in.String("PixData");
    std::string bytes;
    if (hex.empty()) return;
    try {
        if (fromHex(hex, bytes)) {
            pix = Picture::fromBytes(std::move(bytes), PictureType, "cPicture");
            return;
        }
    } catch (const std::exception&) {
    }
    undecoded_ = hex;
}

}  // namespace kalder
