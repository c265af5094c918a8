// Shared by the shape, symbol and arrow suites: a document whose current frame sits at
// (1500, 3000) twips -- 100 and 200 pixels at 15 twips per pixel -- rendered into the
// recording target, and a look at the ink of real page images.
#pragma once

#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "core/DrawingLayer.h"
#include "document/RenderContext.h"
#include "core/RecordingDrawTarget.h"
#include "document/cDocument.h"
#include "document/cFrame.h"
#include "kalder/Preview.h"
#include "platform/PageImage.h"

namespace kalder::test {

inline constexpr std::int32_t kFrameX = 1500;
inline constexpr std::int32_t kFrameY = 3000;

struct ShapeDoc {
    Preview pv;
    std::shared_ptr<cFrame> frame;

    ShapeDoc() {
        pv.AddFrame("shapes", kFrameX, kFrameY, 6000, 6000);
        frame = pv.document().currentFrame();
    }

    // The calls the frame makes when drawn in `mode` at `zoom`.
    std::vector<std::string> render(std::int32_t mode = prOTScreen, double zoom = 1.0) {
        RecordingDrawTarget target;
        DrawingLayer layer(target, mode, zoom);
        RenderContext ctx(layer, &pv.document());
        frame->Preview(ctx);
        return target.calls;
    }

    template <class T>
    std::shared_ptr<T> element(const std::string& key) const {
        return std::dynamic_pointer_cast<T>(frame->Elements().Item(std::string_view(key)));
    }

    QImage image(double zoom = 1.0) {
        return renderPageImage(pv.document(), *pv.document().currentPage(), {zoom, 96.0, ""});
    }
};

inline bool isWhite(QRgb p) { return qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 255; }

// The smallest rectangle holding every pixel that is not white; empty when there is none.
struct InkBox {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool empty() const { return right < left; }
};

inline InkBox inkOf(const QImage& image) {
    InkBox box{image.width(), image.height(), -1, -1};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isWhite(image.pixel(x, y))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    if (box.right < 0) return {};
    return box;
}

}  // namespace kalder::test
