#include "canvas/drawing_field.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace canvas {

namespace {

int buttonCode(Qt::MouseButtons b)
{
    int code = 0;
    if (b & Qt::LeftButton)
        code |= kLeftButton;
    if (b & Qt::RightButton)
        code |= kRightButton;
    if (b & Qt::MiddleButton)
        code |= kMiddleButton;
    return code;
}

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Device coordinates beyond this are never drawn; it keeps the rasteriser's
// fixed-point arithmetic away from overflow.
constexpr double kDeviceLimit = 1.0e6;

}  // namespace

DrawingField::DrawingField(QRgb background, QWidget *parent)
    : QWidget(parent), background_(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    mapping_.setDevice(QRectF(0, 0, 1, 1));
}

DrawingField::~DrawingField()
{
    endPainting();
}

void DrawingField::Scale(double x1, double y1, double x2, double y2)
{
    mapping_.setScale(x1, y1, x2, y2);
    // The size may be set before the first resize event reaches the field.
    mapping_.setDevice(QRectF(QPointF(0, 0), QSizeF(size().expandedTo(QSize(1, 1)))));
}

void DrawingField::makeImage()
{
    endPainting();
    const QSize s = size().expandedTo(QSize(1, 1));
    image_ = QImage(s, QImage::Format_RGB32);
    image_.fill(background_);
    mapping_.setDevice(QRectF(0, 0, s.width(), s.height()));
}

QPainter &DrawingField::painter()
{
    if (!painter_) {
        if (image_.isNull())
            makeImage();
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setBrush(Qt::NoBrush);
        penSet_ = false;
        update();
    }
    return *painter_;
}

void DrawingField::endPainting()
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void DrawingField::setPen(QRgb colour, bool styled)
{
    Qt::PenStyle style = Qt::SolidLine;
    if (styled && drawStyle() == kDotted)
        style = Qt::DotLine;
    else if (styled && drawStyle() == kDashed)
        style = Qt::DashLine;
    QPainter &p = painter();
    // Most drawing comes in runs with one pen; setting it anew costs more
    // than the short lines themselves.
    if (penSet_ && colour == penColour_ && drawWidth() == penWidth_ && style == penStyle_)
        return;
    penSet_ = true;
    penColour_ = colour;
    penWidth_ = drawWidth();
    penStyle_ = style;
    QPen pen(QColor::fromRgb(colour), penWidth_, style, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(penWidth_ <= 1);
    p.setPen(pen);
}

void DrawingField::Cls()
{
    if (image_.isNull() || image_.size() != size().expandedTo(QSize(1, 1)))
        makeImage();
    QPainter &p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(image_.rect(), QColor::fromRgb(background_));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void DrawingField::Line(double x1, double y1, double x2, double y2, QRgb colour)
{
    if (image_.isNull())
        makeImage();
    const QPointF a = mapping_.toDevice(x1, y1);
    const QPointF b = mapping_.toDevice(x2, y2);
    if (drawWidth() <= 1 && drawStyle() != kDashed) {
        // The thin lines are nearly all of a redraw: set their pixels
        // straight into the image.
        const QRectF area(0, 0, image_.width() - 1e-6, image_.height() - 1e-6);
        if (const auto clipped = clipLine(a, b, area))
            drawThinLine(*clipped, colour, drawStyle() == kDotted);
        return;
    }
    // Clip in device pixels, with room for the pen, before the painter sees
    // the segment: most lines of the views are far longer than the field.
    const double margin = drawWidth() + 2;
    const QRectF area = QRectF(image_.rect()).adjusted(-margin, -margin, margin, margin);
    const auto clipped = clipLine(a, b, area);
    if (!clipped)
        return;
    setPen(colour, true);
    painter().drawLine(*clipped);
}

void DrawingField::drawThinLine(const QLineF &line, QRgb colour, bool dotted)
{
    // The painter must not hold the buffer while it is written directly.
    endPainting();
    update();
    const int w = image_.width(), h = image_.height();
    int x0 = std::clamp(int(std::floor(line.x1())), 0, w - 1);
    int y0 = std::clamp(int(std::floor(line.y1())), 0, h - 1);
    const int x1 = std::clamp(int(std::floor(line.x2())), 0, w - 1);
    const int y1 = std::clamp(int(std::floor(line.y2())), 0, h - 1);
    uchar *bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    const QRgb pixel = 0xff000000u | colour;
    // Bresenham; dotted lines set every third pixel.
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (int k = 0;; ++k) {
        if (!dotted || k % 3 == 0)
            reinterpret_cast<QRgb *>(bits + y0 * stride)[x0] = pixel;
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void DrawingField::Circle(double x, double y, double r, QRgb colour)
{
    if (image_.isNull())
        makeImage();
    const QPointF c = mapping_.toDevice(x, y);
    const double rd = mapping_.lengthToDevice(r);
    if (!finite(c) || !std::isfinite(rd))
        return;
    const double reach = rd + drawWidth();
    if (c.x() + reach < 0 || c.y() + reach < 0 || c.x() - reach > image_.width()
        || c.y() - reach > image_.height() || reach > kDeviceLimit)
        return;
    setPen(colour, false);
    if (rd < 0.5)
        painter().drawPoint(c);
    else
        painter().drawEllipse(c, rd, rd);
}

void DrawingField::PSet(double x, double y, QRgb colour)
{
    if (image_.isNull())
        makeImage();
    const QPointF c = mapping_.toDevice(x, y);
    if (!finite(c))
        return;
    const double reach = drawWidth();
    if (c.x() + reach < 0 || c.y() + reach < 0 || c.x() - reach > image_.width()
        || c.y() - reach > image_.height())
        return;
    // One shape wherever c falls: centred on the pixel under c for an odd
    // width, on the pixel corner nearest c for an even one. (The painter's
    // round point is a square at whole pixels.)
    const int w = std::max(1, drawWidth());
    const QPointF centre = w % 2 ? QPointF(std::floor(c.x()) + 0.5, std::floor(c.y()) + 0.5)
                                 : QPointF(std::round(c.x()), std::round(c.y()));
    fillDisc(centre, w / 2.0, colour);
}

void DrawingField::Disc(double x, double y, double r, QRgb colour)
{
    if (image_.isNull())
        makeImage();
    const QPointF c = mapping_.toDevice(x, y);
    const double rd = mapping_.lengthToDevice(r) + drawWidth() / 2.0;
    if (!finite(c) || !std::isfinite(rd) || rd > kDeviceLimit)
        return;
    if (c.x() + rd < 0 || c.y() + rd < 0 || c.x() - rd > image_.width()
        || c.y() - rd > image_.height())
        return;
    fillDisc(c, rd, colour);
}

void DrawingField::fillDisc(QPointF centre, double radius, QRgb colour)
{
    // Sets every pixel whose middle lies within the radius, straight into
    // the image: one piece, with no gaps between rings at any scale.
    endPainting();
    update();
    const QRgb pixel = 0xff000000u | colour;
    const double r2 = radius * radius;
    const int top = std::max(int(std::floor(centre.y() - radius)), 0);
    const int bottom = std::min(int(std::ceil(centre.y() + radius)), image_.height());
    const int left = std::max(int(std::floor(centre.x() - radius)), 0);
    const int right = std::min(int(std::ceil(centre.x() + radius)), image_.width());
    for (int y = top; y < bottom; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image_.scanLine(y));
        const double dy = y + 0.5 - centre.y();
        for (int x = left; x < right; ++x) {
            const double dx = x + 0.5 - centre.x();
            if (dx * dx + dy * dy <= r2)
                row[x] = pixel;
        }
    }
}

void DrawingField::MousePointer(int code)
{
    if (code == pointer_)
        return;
    pointer_ = code;
    switch (code) {
    case kCrossPointer:
        setCursor(Qt::CrossCursor);
        break;
    case kNoDropPointer:
        setCursor(Qt::ForbiddenCursor);
        break;
    default:
        unsetCursor();
        break;
    }
}

void DrawingField::BorderStyle(int style)
{
    if (style == border_)
        return;
    border_ = style;
    update();
}

QPoint DrawingField::toPixel(double x, double y) const
{
    const QPointF d = mapping_.toDevice(x, y);
    return QPoint(int(std::floor(d.x())), int(std::floor(d.y())));
}

const QImage &DrawingField::image()
{
    if (image_.isNull())
        makeImage();
    endPainting();
    return image_;
}

void DrawingField::requestPaint()
{
    appeared_ = true;
    emit paintRequested();
}

void DrawingField::paintEvent(QPaintEvent *event)
{
    endPainting();
    if (image_.isNull())
        makeImage();
    QPainter p(this);
    p.drawImage(event->rect(), image_, event->rect());
    if (border_ == 1) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void DrawingField::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void DrawingField::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void DrawingField::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void DrawingField::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (image_.size() == size())
        return;
    makeImage();
    if (appeared_)
        requestPaint();
}

void DrawingField::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!appeared_)
        requestPaint();
}

QPointF DrawingField::eventPoint(const QMouseEvent *event) const
{
    return mapping_.toScene(event->position());
}

void DrawingField::mousePressEvent(QMouseEvent *event)
{
    const QPointF s = eventPoint(event);
    if (event->button() == Qt::LeftButton)
        leftPressedInside_ = true;
    emit mouseDown(buttonCode(event->button()), s.x(), s.y());
}

void DrawingField::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF s = eventPoint(event);
    emit mouseMove(buttonCode(event->buttons()), s.x(), s.y());
}

void DrawingField::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF s = eventPoint(event);
    emit mouseUp(buttonCode(event->button()), s.x(), s.y());
    if (event->button() == Qt::LeftButton && leftPressedInside_) {
        leftPressedInside_ = false;
        if (rect().contains(event->position().toPoint()))
            emit clicked();
    }
}

}  // namespace canvas
