// The client area of the preview window: one page picture, or two side by side, on a grey
// ground, with the scroll bars the zoom rules ask for.
//
// The view only shows what it is given (page images already rendered and the printable-area
// rectangles in image pixels) and reports the user's presses, keys and wheel turns through
// its handlers; the window owns every decision. Layout: a page narrower than the area is
// centred, a wider one starts at the left edge and scrolls; two pages are centred as a pair
// with a gap between them; pages start at the top with a small margin.
//
// Repaints that change nothing (a window uncovered, a dialog moved over it) are the common
// case, so once the view has been painted and the application is idle the whole area is
// composed into one picture; later repaints put that picture on screen in one copy. Any
// change of pages, frames, scroll position or size drops the picture.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QRectF>
#include <QRegion>
#include <functional>

class QKeyEvent;
class QPainter;

namespace kalder {

class PageView final : public QAbstractScrollArea {
public:
    explicit PageView(QWidget* parent = nullptr);

    // The pages on show; a null right image shows one page. The images carry their device
    // pixel ratio. `gap` and `margin` are in pixels.
    void setPages(const QImage& left, const QImage& right, int gap, int margin);
    // Printable-area rectangles in each image's logical pixels; an empty one is not drawn.
    void setPrintableFrames(const QRectF& left, const QRectF& right, const QColor& color);
    void clearPages();
    // Lets go of the page images without repainting, until setPages gives them again.
    void releasePages();

    const QImage& leftImage() const noexcept { return left_; }
    bool showsTwoPages() const noexcept { return !right_.isNull(); }
    // Where the pages are drawn now, in viewport coordinates.
    QRect leftPageRect() const;
    QRect rightPageRect() const;

    // The full area the zoom rules size the page for: the viewport and the room of the scroll
    // bars, whether they are shown or not.
    QSize areaSize() const;

    // Handlers; a key handler returns true when it used the key.
    std::function<void(Qt::MouseButton)> onPagePress;
    std::function<bool(QKeyEvent&)> onKey;
    std::function<void(int delta)> onWheel;  // notches x 120, positive away from the user
    std::function<void()> onResize;
    std::function<void()> onScroll;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Grey ground, shadows, pages and printable frames of `area` (viewport coordinates).
    void paintArea(QPainter& p, const QRect& area) const;
    void dropComposed(const QRegion& changed);
    void compose();

    QSize logicalSize(const QImage& image) const;
    void updateRanges();

    QImage left_;
    QImage right_;
    QRectF leftFrame_;
    QRectF rightFrame_;
    QColor frameColor_;
    int gap_ = 0;
    int margin_ = 0;
    QRect shownLeft_;  // where the pages were put by the last setPages
    QRect shownRight_;
    QImage composed_;  // the whole viewport as last painted; null while stale
    bool composePending_ = false;
};

}  // namespace kalder
