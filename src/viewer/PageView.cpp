#include "viewer/PageView.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

namespace kalder {

namespace {
const QColor kGround(128, 128, 128);
const QColor kShadow(0, 0, 0, 70);
constexpr int kShadowOffset = 3;
}  // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    // The view paints every pixel of its area itself: nothing beneath needs painting first.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QSize PageView::logicalSize(const QImage& image) const {
    if (image.isNull()) return {};
    const double ratio = image.devicePixelRatio();
    return QSize(qRound(image.width() / ratio), qRound(image.height() / ratio));
}

void PageView::setPages(const QImage& left, const QImage& right, int gap, int margin) {
    left_ = left;
    right_ = right;
    gap_ = gap;
    margin_ = margin;
    updateRanges();
    // Turning to a page of the same size changes only the page pictures: the ground around
    // them stays on screen as it is.
    const QRect newLeft = leftPageRect();
    const QRect newRight = rightPageRect();
    if (newLeft == shownLeft_ && newRight == shownRight_ && !newLeft.isEmpty())
        dropComposed(QRegion(newLeft) | newRight);
    else
        dropComposed(viewport()->rect());
    shownLeft_ = newLeft;
    shownRight_ = newRight;
}

void PageView::setPrintableFrames(const QRectF& left, const QRectF& right, const QColor& color) {
    if (left == leftFrame_ && right == rightFrame_ && color == frameColor_) return;
    leftFrame_ = left;
    rightFrame_ = right;
    frameColor_ = color;
    // The frames lie on the pages.
    dropComposed(QRegion(leftPageRect().adjusted(-1, -1, 1, 1)) | rightPageRect().adjusted(-1, -1, 1, 1));
}

void PageView::clearPages() { setPages({}, {}, 0, 0); }

void PageView::releasePages() {
    left_ = QImage();
    right_ = QImage();
}

QSize PageView::areaSize() const {
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    QSize s = viewport()->size();
    if (verticalScrollBar()->isVisible()) s.rwidth() += bar;
    if (horizontalScrollBar()->isVisible()) s.rheight() += bar;
    return s;
}

void PageView::updateRanges() {
    const QSize page = logicalSize(left_);
    const QSize view = viewport()->size();
    int contentWidth = page.width() + 2 * margin_;
    if (!right_.isNull()) contentWidth = 2 * page.width() + gap_ + 2 * margin_;
    const int contentHeight = std::max(page.height(), logicalSize(right_).height()) + 2 * margin_;
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, contentWidth - view.width()));
    v->setRange(0, std::max(0, contentHeight - view.height()));
    // Arrow keys move a tenth of the view; the wheel and page clicks a third.
    h->setSingleStep(std::max(8, view.width() / 10));
    v->setSingleStep(std::max(8, view.height() / 10));
    h->setPageStep(std::max(16, view.width() / 3));
    v->setPageStep(std::max(16, view.height() / 3));
}

QRect PageView::leftPageRect() const {
    const QSize page = logicalSize(left_);
    if (page.isEmpty()) return {};
    const int width = viewport()->width();
    int x = 0;
    if (!right_.isNull())
        x = (width - 2 * page.width() - gap_) / 2;
    else if (page.width() + 2 * margin_ <= width)
        x = (width - page.width()) / 2;
    else
        x = margin_ - horizontalScrollBar()->value();
    if (!right_.isNull() && x < margin_) x = margin_ - horizontalScrollBar()->value();
    return QRect(QPoint(x, margin_ - verticalScrollBar()->value()), page);
}

QRect PageView::rightPageRect() const {
    if (right_.isNull()) return {};
    const QRect left = leftPageRect();
    return QRect(QPoint(left.right() + 1 + gap_, left.top()), logicalSize(right_));
}

void PageView::dropComposed(const QRegion& changed) {
    composed_ = QImage();
    viewport()->update(changed);
}

void PageView::compose() {
    composePending_ = false;
    if (!composed_.isNull() || !viewport()->isVisible() || viewport()->size().isEmpty()) return;
    const double ratio = viewport()->devicePixelRatioF();
    QImage image(viewport()->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    paintArea(p, viewport()->rect());
    p.end();
    composed_ = std::move(image);
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    if (!composed_.isNull()) {
        const QRect r = event->rect();
        const double ratio = composed_.devicePixelRatio();
        p.drawImage(r.topLeft(), composed_, QRectF(r.topLeft() * ratio, r.size() * ratio));
        return;
    }
    paintArea(p, event->rect());
    // Composed later, when nothing waits: a page switch or a scroll is not slowed by it.
    if (!composePending_) {
        composePending_ = true;
        QTimer::singleShot(0, this, [this] { compose(); });
    }
}

void PageView::paintArea(QPainter& p, const QRect& area) const {
    const QRect left = leftPageRect();
    const QRect right = rightPageRect();
    // The ground around the pages; the pages themselves are opaque images.
    QRegion ground(area);
    if (!left_.isNull()) ground -= left;
    if (!right_.isNull()) ground -= right;
    for (const QRect& r : ground) p.fillRect(r, kGround);
    auto drawPage = [&](const QImage& image, const QRect& at, const QRectF& frame) {
        if (image.isNull()) return;
        // A shadow along the right and bottom edges only: blending under the whole page
        // would cost as much as drawing the page.
        p.fillRect(QRect(at.right() + 1, at.top() + kShadowOffset, kShadowOffset, at.height()), kShadow);
        p.fillRect(QRect(at.left() + kShadowOffset, at.bottom() + 1, at.width() - kShadowOffset, kShadowOffset),
                   kShadow);
        p.drawImage(at.topLeft(), image);
        if (!frame.isEmpty()) {
            p.setPen(QPen(frameColor_, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(frame.translated(at.topLeft()));
        }
    };
    drawPage(left_, left, leftFrame_);
    drawPage(right_, right, rightFrame_);
}

void PageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateRanges();
    dropComposed(viewport()->rect());
    if (onResize) onResize();
}

void PageView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (onPagePress && (leftPageRect().contains(at) || rightPageRect().contains(at))) {
        onPagePress(event->button());
        event->accept();
        return;
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void PageView::keyPressEvent(QKeyEvent* event) {
    if (onKey && onKey(*event)) {
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void PageView::wheelEvent(QWheelEvent* event) {
    int delta = event->angleDelta().y();
    if (delta == 0) delta = event->pixelDelta().y();
    if (onWheel && delta != 0) onWheel(delta);
    event->accept();
}

void PageView::scrollContentsBy(int, int) {
    if (onScroll) onScroll();
    dropComposed(viewport()->rect());
}

}  // namespace kalder
