// Page images and their ink: the box round every pixel a test calls ink, and how many there are.
#pragma once

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>

#include "document/cDocument.h"
#include "kalder/Preview.h"
#include "platform/PageImage.h"

namespace kalder::test {

inline bool isWhite(QRgb p) { return (p & 0xFFFFFF) == 0xFFFFFF; }

struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    long count = 0;
    bool empty() const { return count == 0; }
};

inline std::ostream& operator<<(std::ostream& os, const InkBox& b) {
    return os << b.left << "," << b.top << "-" << b.right << "," << b.bottom << " (" << b.count << " pixels)";
}

// How many pixels the box of `ink` stands off `want`: the most of its four sides.
inline int offBy(const InkBox& ink, const InkBox& want) {
    return std::max({std::abs(ink.left - want.left), std::abs(ink.top - want.top), std::abs(ink.right - want.right),
                     std::abs(ink.bottom - want.bottom)});
}

// The ink among the first `width` x `height` pixels (the whole image when left out).
template <class IsInk>
InkBox inkOf(const QImage& image, IsInk isInk, int width = -1, int height = -1) {
    InkBox box;
    for (int y = 0; y < (height < 0 ? image.height() : height); ++y)
        for (int x = 0; x < (width < 0 ? image.width() : width); ++x)
            if (isInk(image.pixel(x, y))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
                ++box.count;
            }
    return box;
}

// Every pixel that is not white.
inline InkBox inkOf(const QImage& image) {
    return inkOf(image, [](QRgb p) { return !isWhite(p); });
}

// Page `page` (1 = the first) as the screen draws it, 15 twips a pixel at 96 dots per inch.
inline QImage pageImage(Preview& pv, int page = 1, double zoom = 1.0, const std::string& highlight = "",
                        double dotsPerInch = 96.0) {
    return renderPageImage(pv.document(), *pv.document().pages().Item(page), {zoom, dotsPerInch, highlight});
}

}  // namespace kalder::test
