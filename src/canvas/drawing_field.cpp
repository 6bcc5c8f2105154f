#include "canvas/drawing_field.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleHints>
#include <cmath>

namespace canvas {

namespace {

MouseButtons buttonsOf(Qt::MouseButtons b)
{
    MouseButtons buttons = MouseButtons::None;
    if (b & Qt::LeftButton)
        buttons = buttons | MouseButtons::Left;
    if (b & Qt::RightButton)
        buttons = buttons | MouseButtons::Right;
    if (b & Qt::MiddleButton)
        buttons = buttons | MouseButtons::Middle;
    return buttons;
}

}  // namespace

DrawingField::DrawingField(QRgb background, QWidget *parent)
    : QWidget(parent), raster_(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // One repaint for all that a handler draws.
    raster_.setChangeListener([this] {
        QMetaObject::invokeMethod(this, &DrawingField::updateChanged, Qt::QueuedConnection);
    });
    fitRaster();
}

DrawingField::~DrawingField() = default;

bool DrawingField::fitRaster()
{
    return raster_.fitTo(size(), devicePixelRatioF());
}

void DrawingField::setScale(double x1, double y1, double x2, double y2)
{
    fitRaster();
    raster_.setScale(x1, y1, x2, y2);
}

QPoint DrawingField::toPixel(double x, double y) const
{
    const QPointF d = raster_.mapping().toDevice(x, y) / raster_.pixelRatio();
    return QPoint(int(std::floor(d.x())), int(std::floor(d.y())));
}

void DrawingField::updateChanged()
{
    QRegion changed = raster_.takeChanged();
    const qreal ratio = raster_.pixelRatio();
    if (ratio != 1) {
        // The changed tiles in device pixels, widened to whole logical ones.
        QRegion logical;
        for (const QRect &r : changed)
            logical += QRectF(r.x() / ratio, r.y() / ratio, r.width() / ratio,
                              r.height() / ratio).toAlignedRect();
        changed = logical;
    }
    if (!changed.isEmpty())
        update(changed);
}

void DrawingField::setPointer(Pointer shape)
{
    if (shape == pointer_)
        return;
    pointer_ = shape;
    switch (shape) {
    case Pointer::Cross:
        setCursor(Qt::CrossCursor);
        break;
    case Pointer::NoDrop:
        setCursor(Qt::ForbiddenCursor);
        break;
    case Pointer::Arrow:
        unsetCursor();
        break;
    }
}

void DrawingField::requestPaint()
{
    appeared_ = true;
    emit paintRequested();
}

void DrawingField::paintEvent(QPaintEvent *event)
{
    if (devicePixelRatioF() != raster_.pixelRatio()) {
        // Moved to a screen of another scale: the picture is drawn anew at
        // its pixels.
        fitRaster();
        QMetaObject::invokeMethod(this, &DrawingField::requestPaint, Qt::QueuedConnection);
    }
    // Image pixels onto device pixels one to one, rectangle by rectangle, so
    // that each is a plain copy of rows: at a ratio above 1 the painter is
    // put back to device pixels first.
    QPainter p(this);
    const qreal ratio = raster_.pixelRatio();
    const QImage &image = raster_.image();
    if (ratio != 1)
        p.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    for (const QRect &r : event->region()) {
        const QRect device = ratio == 1 ? r
            : QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio)
                      .toAlignedRect() & image.rect();
        p.drawImage(device.topLeft(), image, device);
    }
}

void DrawingField::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (fitRaster() && appeared_)
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
    return toScene(event->position());
}

void DrawingField::mousePressEvent(QMouseEvent *event)
{
    lastPress_ = event->position();
    emit fieldEvent(FieldEvent::press(buttonsOf(event->button()), eventPoint(event)));
}

// Qt delivers the second press of a double click as a double click. Teachers
// double-click out of habit: where the second press lands within the
// double-click distance of the first, it is held back, and so is its release,
// so that the pair acts as the one click before it. Should the pointer leave
// that distance with the button still down, the press is delivered after all
// and the drag goes on as a drag.
void DrawingField::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!nearLastPress(event->position())) {
        mousePressEvent(event);
        return;
    }
    heldBackButton_ = event->button();
}

bool DrawingField::nearLastPress(QPointF position) const
{
    const int reach = QGuiApplication::styleHints()->mouseDoubleClickDistance();
    return (position - lastPress_).manhattanLength() <= reach;
}

void DrawingField::mouseMoveEvent(QMouseEvent *event)
{
    if (heldBackButton_ != Qt::NoButton) {
        if (nearLastPress(event->position()))
            return;
        QMouseEvent press(QEvent::MouseButtonPress, lastPress_, mapToGlobal(lastPress_),
                          heldBackButton_, event->buttons(), event->modifiers());
        heldBackButton_ = Qt::NoButton;
        mousePressEvent(&press);
    }
    emit fieldEvent(FieldEvent::move(buttonsOf(event->buttons()), eventPoint(event)));
}

void DrawingField::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == heldBackButton_) {
        heldBackButton_ = Qt::NoButton;
        return;
    }
    emit fieldEvent(FieldEvent::release(buttonsOf(event->button()), eventPoint(event)));
}

}  // namespace canvas
