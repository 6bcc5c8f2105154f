#include "canvas/drawing_field.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleHints>
#include <QTabletEvent>
#include <QTouchEvent>
#include <algorithm>
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
    setAttribute(Qt::WA_AcceptTouchEvents);
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

// Fingers and pens. A finger or a pen tip plays the role the view gives its
// touch-down point, until it lifts; one acts at a time, and further fingers
// change nothing. As with the mouse, the second tap of a double tap, within
// the double-tap distance of the first, is held back, unless it moves on as
// a drag. Taken, they make no mouse events.

bool DrawingField::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        touchEvent(static_cast<QTouchEvent *>(event));
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

void DrawingField::touchEvent(QTouchEvent *event)
{
    if (event->type() == QEvent::TouchCancel) {
        // The system took the touch away: the gesture ends as its release.
        if (contact_.id >= 0)
            endContact(contact_.lastAt);
        return;
    }
    for (const QEventPoint &point : event->points()) {
        const QPointF at = withinField(point.position());
        if (contact_.id == kNoContact && point.state() == QEventPoint::Pressed)
            beginContact(point.id(), touchRoleAt(at), at, event->timestamp());
        else if (point.id() != contact_.id)
            continue;
        else if (point.state() == QEventPoint::Released)
            endContact(at);
        else if (point.state() == QEventPoint::Updated)
            moveContact(at);
    }
}

void DrawingField::tabletEvent(QTabletEvent *event)
{
    event->accept();
    // The eraser end does nothing.
    if (event->pointerType() == QPointingDevice::PointerType::Eraser)
        return;
    const QPointF at = withinField(event->position());
    const bool penActs = contact_.id == kPenContact;
    switch (event->type()) {
    case QEvent::TabletPress:
        if (contact_.id == kNoContact) {
            // The barrel button, reported as the right or the middle one,
            // plays the right button's part; the tip what the view says.
            const bool barrel = event->buttons() & (Qt::RightButton | Qt::MiddleButton);
            beginContact(kPenContact, barrel ? MouseButtons::Right : touchRoleAt(at), at,
                         event->timestamp());
        }
        break;
    case QEvent::TabletMove:
        if (penActs)
            moveContact(at);
        else if (contact_.id == kNoContact)  // hovering: the pointer follows
            emit fieldEvent(FieldEvent::move(MouseButtons::None, toScene(at)));
        break;
    case QEvent::TabletRelease:
        if (penActs)
            endContact(at);
        break;
    default:
        break;
    }
}

QPointF DrawingField::withinField(QPointF p) const
{
    return QPointF(std::clamp(p.x(), 0.0, std::max(0.0, width() - 1.0)),
                   std::clamp(p.y(), 0.0, std::max(0.0, height() - 1.0)));
}

MouseButtons DrawingField::touchRoleAt(QPointF position) const
{
    return touchRoles_ ? touchRoles_->touchRoleAt(toScene(position)) : MouseButtons::Left;
}

void DrawingField::beginContact(int id, MouseButtons role, QPointF position, quint64 time)
{
    const QStyleHints *hints = QGuiApplication::styleHints();
    const bool secondTap = lastTap_ && time - lastTap_->second <= quint64(hints->mouseDoubleClickInterval())
                           && (position - lastTap_->first).manhattanLength()
                                  <= hints->touchDoubleTapDistance();
    // A third tap is a tap of its own, as a third click is.
    lastTap_.reset();
    if (!secondTap)
        lastTap_ = std::pair{position, time};
    contact_ = {id, role, secondTap, position, position};
    if (!secondTap)
        emit fieldEvent(FieldEvent::press(role, toScene(position)));
}

void DrawingField::moveContact(QPointF position)
{
    contact_.lastAt = position;
    if (contact_.heldBack) {
        if ((position - contact_.pressedAt).manhattanLength()
            <= QGuiApplication::styleHints()->touchDoubleTapDistance())
            return;
        contact_.heldBack = false;
        emit fieldEvent(FieldEvent::press(contact_.role, toScene(contact_.pressedAt)));
    }
    emit fieldEvent(FieldEvent::move(contact_.role, toScene(position)));
}

void DrawingField::endContact(QPointF position)
{
    const Contact ended = std::exchange(contact_, Contact{});
    if (!ended.heldBack)
        emit fieldEvent(FieldEvent::release(ended.role, toScene(position)));
}

}  // namespace canvas
