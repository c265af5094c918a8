// Picture: a picture as elements hold it. It keeps the file's bytes exactly as read (what the
// XML form saves, so saving and loading give the same bytes back) beside the decoded image.
// Copies share both, so one logo placed on every page is decoded and held once, and a writer
// that places it many times can tell it is the same picture (identity()).
//
// Errors (AutomationError, source given by the caller): 53 "File not found: <name>" for a file
// that cannot be opened; 481 "Invalid picture: <why>" for bytes no image reader decodes, for a
// Windows metafile (no reader for it here) and for a picture of more pixels than
// limits::kPicturePixels.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <QImage>

namespace kalder {

class Picture {
public:
    Picture() = default;

    // Decodes file bytes; `type` is the file type in lower case without a dot ("png", "jpg").
    static Picture fromBytes(std::string bytes, std::string type, const std::string& source);
    // A picture from memory, kept as a bitmap ("bmp"); its bytes are made when first asked for.
    static Picture fromImage(const QImage& image);

    bool isNull() const noexcept { return !data_; }
    const QImage& image() const;
    // The encoded bytes (the file's, or a BMP of a picture from memory).
    const std::string& bytes() const;
    const std::string& type() const;
    // The same for every copy of one picture, distinct between pictures; nullptr for none.
    const void* identity() const noexcept { return data_.get(); }
    // The size in twips at the picture's own resolution (96 dots per inch when it has none).
    std::int32_t naturalWidth() const;
    std::int32_t naturalHeight() const;

private:
    struct Data;
    std::shared_ptr<const Data> data_;
    friend class PictureCache;
};

// The pictures of one document, by content: pictures of equal bytes share one decoded image.
// Safe to use from several threads.
class PictureCache {
public:
    Picture fromBytes(std::string bytes, std::string type, const std::string& source);
    // Reads and decodes a file; errors as above.
    Picture fromFile(const std::string& filename, const std::string& source);

private:
    std::mutex mutex_;
    std::unordered_multimap<std::size_t, std::weak_ptr<const Picture::Data>> byHash_;
    // Files read before, by name, with the size and time of change they had: a file placed on
    // every page is read once while it stays as it was.
    struct FileSeen {
        std::uintmax_t size;
        std::int64_t changed;
        std::weak_ptr<const Picture::Data> data;
    };
    std::unordered_map<std::string, FileSeen> byFile_;
};

// The file type of a name: the text after its last "." in lower case ("" when there is none).
std::string pictureTypeOf(const std::string& filename);

}  // namespace kalder
