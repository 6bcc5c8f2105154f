#include "canvas/raster_image.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace canvas {

namespace {

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Device coordinates beyond this are never drawn; it keeps the rasteriser's
// fixed-point arithmetic away from overflow.
constexpr double kDeviceLimit = 1.0e6;

enum OperationKind { kClsOperation = 1, kThinLine, kPainterLine, kCircle, kDot, kDisc, kTakeBack };

}  // namespace

RasterImage::RasterImage(QRgb background) : background_(background)
{
    setSize(QSize(1, 1));
}

RasterImage::~RasterImage()
{
    endPainting();
}

bool RasterImage::setSize(QSize size)
{
    size = size.expandedTo(QSize(1, 1));
    if (size == image_.size())
        return false;
    endPainting();
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(background_);
    mapping_.setDevice(QRectF(0, 0, size.width(), size.height()));
    overlayUndoable_ = false;
    tiles_.reset(size);
    noteChange();
    return true;
}

void RasterImage::setScale(double x1, double y1, double x2, double y2)
{
    mapping_.setScale(x1, y1, x2, y2);
}

void RasterImage::touchArea(const QRectF &reach, quint64 operation)
{
    if (tiles_.touchArea(reach.toAlignedRect(), operation))
        noteChange();
}

void RasterImage::setChangeListener(std::function<void()> listener)
{
    listener_ = std::move(listener);
    if (changeNoted_ && listener_)
        listener_();
}

void RasterImage::noteChange()
{
    if (changeNoted_)
        return;
    changeNoted_ = true;
    if (listener_)
        listener_();
}

QRegion RasterImage::takeChanged()
{
    changeNoted_ = false;
    return tiles_.takeChanged();
}

QPainter &RasterImage::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setBrush(Qt::NoBrush);
        penSet_ = false;
    }
    return *painter_;
}

void RasterImage::endPainting()
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void RasterImage::setPen(QRgb colour, int width, LineStyle lineStyle)
{
    Qt::PenStyle style = Qt::SolidLine;
    if (lineStyle == LineStyle::Dotted)
        style = Qt::DotLine;
    else if (lineStyle == LineStyle::Dashed)
        style = Qt::DashLine;
    QPainter &p = painter();
    // Most drawing comes in runs with one pen; setting it anew costs more
    // than the short lines themselves.
    if (penSet_ && colour == penColour_ && width == penWidth_ && style == penStyle_)
        return;
    penSet_ = true;
    penColour_ = colour;
    penWidth_ = width;
    penStyle_ = style;
    QPen pen(QColor::fromRgb(colour), penWidth_, style, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(penWidth_ <= 1);
    p.setPen(pen);
}

void RasterImage::clear()
{
    noteDrawing(false);
    endPainting();
    const QRgb pixel = 0xff000000u | background_;
    uchar *bits = image_.bits();
    const size_t bytes = size_t(image_.sizeInBytes());
    if (pixel == 0xffffffffu)
        // White, every byte the same: a byte fill, a little quicker than the
        // painter's.
        std::memset(bits, 0xff, bytes);
    else
        std::fill_n(reinterpret_cast<QRgb *>(bits), bytes / sizeof(QRgb), pixel);
    touchArea(image_.rect(), operationKey(kClsOperation, background_));
}

void RasterImage::line(double x1, double y1, double x2, double y2, const Pen &pen)
{
    const QRgb colour = pen.colour;
    const int px = devicePen(pen.width);
    const QPointF a = mapping_.toDevice(x1, y1);
    const QPointF b = mapping_.toDevice(x2, y2);
    // Lines of the pen 1 are thin at any ratio: as wide as that pen is.
    const bool thin = pen.width <= 1 && pen.style != LineStyle::Dashed;
    noteDrawing(thin);
    if (thin) {
        // The thin lines are nearly all of a redraw: set their pixels
        // straight into the image.
        const QRectF area(0, 0, image_.width() - 1e-6, image_.height() - 1e-6);
        if (const auto clipped = clipLine(a, b, area))
            drawThinLine(*clipped, colour, pen.style == LineStyle::Dotted, px);
        return;
    }
    // Clip in device pixels, with room for the pen, before the painter sees
    // the segment: most lines of the views are far longer than the field.
    const double margin = px + 2;
    const QRectF area = QRectF(image_.rect()).adjusted(-margin, -margin, margin, margin);
    const auto clipped = clipLine(a, b, area);
    if (!clipped)
        return;
    const double reach = px / 2.0 + 2;
    touchArea(QRectF(clipped->p1(), clipped->p2()).normalized().adjusted(-reach, -reach, reach, reach),
              operationKey(kPainterLine, clipped->x1(), clipped->y1(), clipped->x2(),
                           clipped->y2(), colour, px, int(pen.style)));
    setPen(colour, px, pen.style);
    painter().drawLine(*clipped);
}

void RasterImage::drawThinLine(const QLineF &line, QRgb colour, bool dotted, int side)
{
    // The painter must not hold the buffer while it is written directly.
    endPainting();
    const int w = image_.width(), h = image_.height();
    const int x0 = std::clamp(int(std::floor(line.x1())), 0, w - 1);
    const int y0 = std::clamp(int(std::floor(line.y1())), 0, h - 1);
    const int x1 = std::clamp(int(std::floor(line.x2())), 0, w - 1);
    const int y1 = std::clamp(int(std::floor(line.y2())), 0, h - 1);
    uchar *bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    const QRgb pixel = 0xff000000u | colour;
    // Wider than a pixel on a fine screen: each step sets a square of that
    // side, its upper-left pixel the step's.
    tiles_.touchLine(x0, y0, x1, y1, operationKey(kThinLine, x0, y0, x1, y1, pixel, dotted, side),
                     side);
    // Bresenham; dotted lines set every third step. A line of n steps along
    // its longer axis sets n + 1 of them. The steps are taken without
    // branches: which way the line goes next cannot be predicted.
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const qsizetype stepX = x0 < x1 ? 1 : -1;
    const qsizetype stepY = (y0 < y1 ? 1 : -1) * qsizetype(stride / sizeof(QRgb));
    const int steps = std::max(dx, -dy);
    QRgb *p = reinterpret_cast<QRgb *>(bits + y0 * stride) + x0;
    // An overlay line notes each pixel's colour before it sets it.
    const bool noting = overlayUndoable_;
    if (noting)
        overlayLines_.push_back({QLine(x0, y0, x1, y1), side});
    QRgb *const first = reinterpret_cast<QRgb *>(bits);
    const qsizetype row = stride / sizeof(QRgb);
    const auto set = [&](QRgb *at) {
        if (noting)
            underOverlay_.emplace_back(at - first, *at);
        *at = pixel;
    };
    int err = dx + dy;
    // The step's pixel, for the squares of a wide pen.
    int px = x0, py = y0;
    const int unitY = y0 < y1 ? 1 : -1;
    for (int k = 0, phase = 0;; ++k) {
        if (!dotted || phase == 0) {
            if (side == 1) {
                set(p);
            } else {
                for (int sy = py; sy < std::min(py + side, h); ++sy)
                    for (int sx = px; sx < std::min(px + side, w); ++sx)
                        set(first + sy * row + sx);
            }
        }
        if (k == steps)
            break;
        phase = phase == 2 ? 0 : phase + 1;
        const int e2 = 2 * err;
        const bool alongX = e2 >= dy, alongY = e2 <= dx;
        err += (alongX ? dy : 0) + (alongY ? dx : 0);
        p += (alongX ? stepX : 0) + (alongY ? stepY : 0);
        px += alongX ? int(stepX) : 0;
        py += alongY ? unitY : 0;
    }
    noteChange();
}

void RasterImage::circle(double x, double y, double r, const Pen &pen)
{
    const QRgb colour = pen.colour;
    const int px = devicePen(pen.width);
    noteDrawing(true);
    const QPointF c = mapping_.toDevice(x, y);
    const double rd = mapping_.lengthToDevice(r);
    if (!finite(c) || !std::isfinite(rd))
        return;
    const double reach = rd + px;
    if (c.x() + reach < 0 || c.y() + reach < 0 || c.x() - reach > image_.width()
        || c.y() - reach > image_.height() || reach > kDeviceLimit)
        return;
    const double margin = px / 2.0 + 2;
    touchArea(QRectF(c, c).adjusted(-rd - margin, -rd - margin, rd + margin, rd + margin),
              operationKey(kCircle, c.x(), c.y(), rd, colour, px));
    // The pen's width across the circle line, at least a pixel.
    const double half = std::max(1, px) / 2.0;
    fillRing(c, rd + half, rd - half, colour);
}

void RasterImage::dot(double x, double y, const Pen &pen)
{
    const QRgb colour = pen.colour;
    const int px = devicePen(pen.width);
    noteDrawing(true);
    const QPointF c = mapping_.toDevice(x, y);
    if (!finite(c))
        return;
    touchArea(QRectF(c, c).adjusted(-px, -px, px, px),
              operationKey(kDot, c.x(), c.y(), colour, px));
    const double reach = px;
    if (c.x() + reach < 0 || c.y() + reach < 0 || c.x() - reach > image_.width()
        || c.y() - reach > image_.height())
        return;
    // One shape wherever c falls: centred on the pixel under c for an odd
    // width, on the pixel corner nearest c for an even one. (The painter's
    // round point is a square at whole pixels.)
    const int w = std::max(1, px);
    const QPointF centre = w % 2 ? QPointF(std::floor(c.x()) + 0.5, std::floor(c.y()) + 0.5)
                                 : QPointF(std::round(c.x()), std::round(c.y()));
    fillRing(centre, w / 2.0, 0, colour);
}

void RasterImage::disc(double x, double y, double r, const Pen &pen)
{
    const QRgb colour = pen.colour;
    const int px = devicePen(pen.width);
    noteDrawing(false);
    const QPointF c = mapping_.toDevice(x, y);
    const double rd = mapping_.lengthToDevice(r) + px / 2.0;
    if (!finite(c) || !std::isfinite(rd) || rd > kDeviceLimit)
        return;
    touchArea(QRectF(c, c).adjusted(-rd - 1, -rd - 1, rd + 1, rd + 1),
              operationKey(kDisc, c.x(), c.y(), colour, rd));
    if (c.x() + rd < 0 || c.y() + rd < 0 || c.x() - rd > image_.width()
        || c.y() - rd > image_.height())
        return;
    fillRing(c, rd, 0, colour);
}

void RasterImage::fillRing(QPointF centre, double outer, double inner, QRgb colour)
{
    // Sets every pixel whose middle lies within the outer radius and not
    // closer than the inner one, straight into the image: no gaps between
    // rings at any scale, and discs of one shape wherever they fall.
    endPainting();
    const QRgb pixel = 0xff000000u | colour;
    const double outer2 = outer * outer, inner2 = inner > 0 ? inner * inner : 0;
    const double cx = centre.x();
    const int top = std::max(int(std::floor(centre.y() - outer)), 0);
    const int bottom = std::min(int(std::ceil(centre.y() + outer)), image_.height());
    const int lastColumn = image_.width() - 1;
    // A ring of an overlay (a symbol being dragged) notes each pixel's
    // colour before it sets it, as an overlay line does.
    const bool noting = overlayUndoable_;
    if (noting)
        overlayAreas_.push_back(QRect(QPoint(int(std::floor(cx - outer)), top),
                                      QPoint(int(std::ceil(cx + outer)), bottom)));
    const auto note = [&](QRgb *from, QRgb *to) {
        if (noting)
            for (QRgb *at = from; at < to; ++at)
                underOverlay_.emplace_back(at - reinterpret_cast<QRgb *>(image_.bits()), *at);
    };
    if (outer <= 8) {
        // A dot: testing each pixel of its box is quicker than finding runs.
        const int left = std::max(int(std::floor(cx - outer)), 0);
        const int right = std::min(int(std::ceil(cx + outer)), lastColumn + 1);
        for (int y = top; y < bottom; ++y) {
            QRgb *row = reinterpret_cast<QRgb *>(image_.scanLine(y));
            const double dy = y + 0.5 - centre.y();
            for (int x = left; x < right; ++x) {
                const double dx = x + 0.5 - cx, d2 = dx * dx + dy * dy;
                if (d2 <= outer2 && d2 >= inner2) {
                    note(row + x, row + x + 1);
                    row[x] = pixel;
                }
            }
        }
        return;
    }
    for (int y = top; y < bottom; ++y) {
        const double dy = y + 0.5 - centre.y(), dy2 = dy * dy;
        // The pixels of a row within a radius are one run; its ends come
        // from the root and are settled by the exact test, so that rounding
        // cannot move them.
        const auto runWithin = [&](double r2, bool onCircleCounts) {
            const auto within = [&](int x) {
                const double dx = x + 0.5 - cx, d2 = dx * dx + dy2;
                return onCircleCounts ? d2 <= r2 : d2 < r2;
            };
            const double half = std::sqrt(std::max(r2 - dy2, 0.0));
            int first = int(std::ceil(cx - half - 0.5)), last = int(std::floor(cx + half - 0.5));
            while (within(first - 1))
                --first;
            while (first <= last && !within(first))
                ++first;
            while (within(last + 1))
                ++last;
            while (last >= first && !within(last))
                --last;
            return std::pair{first, last};
        };
        const auto [first, last] = runWithin(outer2, true);
        if (first > last)
            continue;
        // Rows beyond the inner circle have no hole.
        const auto [holeFirst, holeLast] =
            dy2 < inner2 ? runWithin(inner2, false) : std::pair{0, -1};
        QRgb *row = reinterpret_cast<QRgb *>(image_.scanLine(y));
        const auto fill = [&](int from, int to) {
            from = std::max(from, 0);
            to = std::min(to, lastColumn);
            if (from <= to) {
                note(row + from, row + to + 1);
                std::fill(row + from, row + to + 1, pixel);
            }
        };
        if (holeFirst > holeLast) {
            fill(first, last);
        } else {
            fill(first, holeFirst - 1);
            fill(holeLast + 1, last);
        }
    }
}

void RasterImage::beginOverlay()
{
    if (!overlayUndoable_) {
        // A new picture under the overlay.
        underOverlay_.clear();
        overlayLines_.clear();
        overlayAreas_.clear();
        overlayUndoable_ = true;
        ++underGeneration_;
    }
    inOverlay_ = true;
}

bool RasterImage::takeBackOverlay()
{
    if (!overlayUndoable_ || inOverlay_)
        return false;
    endPainting();
    QRgb *const first = reinterpret_cast<QRgb *>(image_.bits());
    for (auto it = underOverlay_.rbegin(); it != underOverlay_.rend(); ++it)
        first[it->first] = it->second;
    // The tiles show the picture under the overlay again, whatever drew
    // on them before.
    const quint64 key = operationKey(kTakeBack, underGeneration_);
    for (const auto &[l, side] : overlayLines_)
        tiles_.touchLine(l.x1(), l.y1(), l.x2(), l.y2(), key, side);
    for (const QRect &area : overlayAreas_)
        tiles_.touchArea(area, key);
    underOverlay_.clear();
    overlayLines_.clear();
    overlayAreas_.clear();
    noteChange();
    return true;
}

QPoint RasterImage::toPixel(double x, double y) const
{
    const QPointF d = mapping_.toDevice(x, y);
    return QPoint(int(std::floor(d.x())), int(std::floor(d.y())));
}

const QImage &RasterImage::image()
{
    endPainting();
    return image_;
}

}  // namespace canvas
