#include "core/Picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cmath>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/Limits.h"
#include "core/QtRuntime.h"
#include "kalder/AutomationError.h"

namespace kalder {

struct Picture::Data {
    QImage image;
    std::string type;
    // Encoded bytes; filled on first use for a picture from memory.
    mutable std::once_flag encodedOnce;
    mutable std::string bytes;
    bool fromMemory = false;
};

namespace {

[[noreturn]] void invalid(const std::string& source, const std::string& why) {
    throw AutomationError(err::InvalidPicture, source, std::string("Invalid picture: ") + why);
}

bool isMetafile(std::string_view bytes, const std::string& type) {
    if (type == "wmf" || type == "emf") return true;
    // Placeable WMF (D7 CD C6 9A) and EMF (a record of type 1 with " EMF" at offset 40).
    if (bytes.size() >= 4 && bytes.substr(0, 4) == std::string_view("\xD7\xCD\xC6\x9A", 4)) return true;
    return bytes.size() >= 44 && bytes.substr(0, 4) == std::string_view("\x01\x00\x00\x00", 4) &&
           bytes.substr(40, 4) == " EMF";
}

QImage decode(const std::string& bytes, const std::string& type, const std::string& source) {
    if (isMetafile(bytes, type))
        invalid(source, "Windows metafiles (wmf, emf) cannot be drawn here; save the picture as PNG or SVG");
    ensureGuiApplication();
    QByteArray raw = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&raw);
    buffer.open(QIODevice::ReadOnly);
    // The reader finds the format from the content; the name's type is only a hint.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() &&
        static_cast<std::int64_t>(size.width()) * size.height() > limits::kPicturePixels)
        invalid(source, std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                            " pixels are more than a picture may have (" +
                            std::to_string(limits::kPicturePixels) + ")");
    QImage image = reader.read();
    if (image.isNull()) invalid(source, reader.errorString().toStdString());
    if (static_cast<std::int64_t>(image.width()) * image.height() > limits::kPicturePixels)
        invalid(source, "the picture has more pixels than a picture may have");
    return image;
}

std::int32_t toTwips(int pixels, int dotsPerMeter) {
    // Pictures that carry no resolution are taken at the screen's 96 dots per inch.
    const double dpi = dotsPerMeter > 0 ? dotsPerMeter * 0.0254 : 96.0;
    return static_cast<std::int32_t>(std::lround(pixels * 1440.0 / dpi));
}

}  // namespace

Picture Picture::fromBytes(std::string bytes, std::string type, const std::string& source) {
    auto data = std::make_shared<Data>();
    data->image = decode(bytes, type, source);
    data->type = std::move(type);
    data->bytes = std::move(bytes);
    Picture p;
    p.data_ = std::move(data);
    return p;
}

Picture Picture::fromImage(const QImage& image) {
    auto data = std::make_shared<Data>();
    data->image = image;
    data->type = "bmp";
    data->fromMemory = true;
    Picture p;
    if (!image.isNull()) p.data_ = std::move(data);
    return p;
}

const QImage& Picture::image() const {
    static const QImage none;
    return data_ ? data_->image : none;
}

const std::string& Picture::bytes() const {
    static const std::string none;
    if (!data_) return none;
    std::call_once(data_->encodedOnce, [d = data_.get()] {
        if (!d->fromMemory) return;
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "bmp");
        if (writer.write(d->image)) d->bytes.assign(out.constData(), static_cast<std::size_t>(out.size()));
    });
    return data_->bytes;
}

const std::string& Picture::type() const {
    static const std::string none;
    return data_ ? data_->type : none;
}

std::int32_t Picture::naturalWidth() const {
    return data_ ? toTwips(data_->image.width(), data_->image.dotsPerMeterX()) : 0;
}
std::int32_t Picture::naturalHeight() const {
    return data_ ? toTwips(data_->image.height(), data_->image.dotsPerMeterY()) : 0;
}

Picture PictureCache::fromBytes(std::string bytes, std::string type, const std::string& source) {
    const std::size_t hash = std::hash<std::string_view>()(bytes);
    {
        std::lock_guard lock(mutex_);
        auto [first, last] = byHash_.equal_range(hash);
        for (auto it = first; it != last;) {
            auto data = it->second.lock();
            if (!data) {
                it = byHash_.erase(it);
                continue;
            }
            if (data->bytes == bytes && data->type == type) {
                Picture p;
                p.data_ = std::move(data);
                return p;
            }
            ++it;
        }
    }
    Picture p = Picture::fromBytes(std::move(bytes), std::move(type), source);
    std::lock_guard lock(mutex_);
    byHash_.emplace(hash, p.data_);
    return p;
}

Picture PictureCache::fromFile(const std::string& filename, const std::string& source) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(filename, ec);
    const auto changed = ec ? 0 : std::filesystem::last_write_time(filename, ec).time_since_epoch().count();
    if (!ec) {
        std::lock_guard lock(mutex_);
        const auto it = byFile_.find(filename);
        if (it != byFile_.end() && it->second.size == size && it->second.changed == changed)
            if (auto data = it->second.data.lock()) {
                Picture p;
                p.data_ = std::move(data);
                return p;
            }
    }
    std::ifstream in(std::filesystem::path(filename), std::ios::binary);
    if (!in || std::filesystem::is_directory(filename, ec))
        throw AutomationError(err::FileNotFound, source, "File not found: " + filename);
    if (static_cast<std::int64_t>(size) > limits::kPictureFileBytes)
        invalid(source, "the file is larger than a picture file may be (" + std::to_string(limits::kPictureFileBytes) +
                            " bytes)");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw AutomationError(err::FileNotFound, source, "File not found: " + filename);
    Picture p = fromBytes(std::move(bytes), pictureTypeOf(filename), source);
    std::lock_guard lock(mutex_);
    byFile_[filename] = {size, static_cast<std::int64_t>(changed), p.data_};
    return p;
}

std::string pictureTypeOf(const std::string& filename) {
    const std::string name = std::filesystem::path(filename).filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return {};
    std::string type = name.substr(dot + 1);
    std::transform(type.begin(), type.end(), type.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return type;
}

}  // namespace kalder
