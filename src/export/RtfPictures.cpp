// Pictures of an RTF export: a picture shape (type 75) whose "pib" property holds the picture
// as hexadecimal digits. A JPEG or PNG file goes in as its own bytes (no second loss of
// quality, no time spent); any other picture (a bitmap, a GIF, a picture from memory) as a
// PNG made from its pixels, which keeps them and their transparency exactly.
#include "export/JpegWriter.h"
#include "export/PngWriter.h"
#include "export/RtfWriter.h"

namespace kalder {

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";
// Hexadecimal digits a line: readers skip the line ends inside picture data, and lines of a
// bounded length keep the file workable in a text editor.
constexpr std::size_t kHexLine = 128;

// The "\pict" group of a picture; "" for one that cannot be encoded.
std::string pictGroupOf(const Picture& picture) {
    const std::string& type = picture.type();
    JpegHeader header;
    std::string encoded;
    const char* kind = "\\pngblip";
    if ((type == "jpg" || type == "jpeg" || type == "jfif") && readJpegHeader(picture.bytes(), header)) {
        encoded = picture.bytes();
        kind = "\\jpegblip";
    } else if (type == "png" && picture.bytes().starts_with("\x89PNG\r\n\x1a\n")) {
        encoded = picture.bytes();
    } else {
        encoded = encodePng(picture.image());
    }
    if (encoded.empty()) return "";
    return pictGroup(kind, encoded);
}
}  // namespace

std::string pictGroup(std::string_view controls, std::string_view bytes) {
    std::string group = "{\\pict";
    group += controls;
    group.reserve(group.size() + bytes.size() * 2 + bytes.size() / (kHexLine / 2) * 2 + 8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % (kHexLine / 2) == 0) group += "\r\n";
        const auto b = static_cast<unsigned char>(bytes[i]);
        group += kHexDigits[b >> 4];
        group += kHexDigits[b & 0xF];
    }
    group += '}';
    return group;
}

void RtfWriter::pictureShape(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                             std::string_view group) {
    openShape(left, top, right, bottom);
    property("shapeType", 75);
    body_ += "{\\sp{\\sn pib}{\\sv ";
    body_ += group;
    body_ += "}}\r\n";
    closeShape();
}

void RtfWriter::PutPicture(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, const cStyle&) {
    if (picture.isNull()) return;
    // Each picture is encoded once: a logo on every page costs its digits, not its encoding.
    // The picture is held as well, so that its identity is not taken by another picture.
    auto [it, added] = pictures_.try_emplace(picture.identity());
    if (added) it->second = {picture, pictGroupOf(picture)};
    const std::string& group = it->second.second;
    if (group.empty()) return;
    const std::int64_t right = static_cast<std::int64_t>(x) + width, bottom = static_cast<std::int64_t>(y) + height;
    pictureShape(std::min<std::int64_t>(x, right), std::min<std::int64_t>(y, bottom), std::max<std::int64_t>(x, right),
                 std::max<std::int64_t>(y, bottom), group);
}

}  // namespace kalder
