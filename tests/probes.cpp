#include "probes.h"

#include <QPointingDevice>
#include <QScreen>
#include <QTabletEvent>
#include <QtTest>

int colourAround(const QImage &img, QPoint c, QRgb colour, int radius, int tolerance)
{
    int n = 0;
    for (int y = c.y() - radius; y <= c.y() + radius; ++y)
        for (int x = c.x() - radius; x <= c.x() + radius; ++x) {
            if (!img.valid(x, y))
                continue;
            const QRgb p = img.pixel(x, y);
            const auto close = [&](int a, int b) { return std::abs(a - b) <= tolerance; };
            n += close(qRed(p), qRed(colour)) && close(qGreen(p), qGreen(colour))
                 && close(qBlue(p), qBlue(colour));
        }
    return n;
}

void moveHolding(canvas::DrawingField &field, Qt::MouseButtons held, QPointF s)
{
    const QPoint p = pixelOf(field, s);
    QMouseEvent ev(QEvent::MouseMove, p, field.mapToGlobal(p), Qt::NoButton, held, {});
    QCoreApplication::sendEvent(&field, &ev);
}

void drag(canvas::DrawingField &field, Qt::MouseButton button, const Path &path)
{
    QTest::mousePress(&field, button, {}, pixelOf(field, path.front()));
    for (const QPointF &s : path)
        moveHolding(field, button, s);
    QTest::mouseRelease(&field, button, {}, pixelOf(field, path.back()));
}

void doubleClick(QWidget &w, Qt::MouseButton button, QPoint p, std::optional<QPoint> second)
{
    QTest::mouseClick(&w, button, {}, p);
    QTest::mouseDClick(&w, button, {}, second.value_or(p));
    QTest::mouseRelease(&w, button, {}, second.value_or(p));
}

bool showsImage(canvas::DrawingField &field)
{
    QWidget *window = field.window();
    QCoreApplication::processEvents();
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window, &request);
    const QRect area(field.mapTo(window, QPoint(0, 0)), field.size());
    // The screen's grab is at logical pixels; above a ratio of 1 the field paints itself
    // at device pixels instead.
    const qreal ratio = field.devicePixelRatioF();
    const QImage shot = (ratio == 1 ? window->screen()->grabWindow(window->winId(), area.x(),
                                                                   area.y(), area.width(),
                                                                   area.height())
                                    : field.grab())
                            .toImage().convertToFormat(QImage::Format_RGB32);
    const QImage image = field.image().convertToFormat(QImage::Format_RGB32);
    // Both at device pixels; the children in logical ones.
    QRegion covered;
    for (const QWidget *child : field.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            covered += child->geometry();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (shot.pixel(x, y) != image.pixel(x, y)
                && !covered.contains(QPoint(int(x / ratio), int(y / ratio))))
                return false;
    return shot.size() == image.size();
}

namespace {

QPointingDevice *touchScreen()
{
    static QPointingDevice *const device = QTest::createTouchDevice();
    return device;
}

}  // namespace

void finger(canvas::DrawingField &field, canvas::FieldEvent::Phase phase, QPointF s, int id)
{
    const QPoint p = pixelOf(field, s);
    auto touch = QTest::touchEvent(&field, touchScreen());
    using enum canvas::FieldEvent::Phase;
    if (phase == Press)
        touch.press(id, p);
    else if (phase == Move)
        touch.move(id, p);
    else
        touch.release(id, p);
}

void cancelTouch(canvas::DrawingField &field)
{
    QTouchEvent cancel(QEvent::TouchCancel, touchScreen());
    QCoreApplication::sendEvent(&field, &cancel);
}

void penDrag(canvas::DrawingField &field, PenEnd end, const Path &path)
{
    using Type = QPointingDevice::PointerType;
    static const QPointingDevice pen("pen", 7001, QInputDevice::DeviceType::Stylus, Type::Pen,
                                     QInputDevice::Capability::Position, 1, 3);
    static const QPointingDevice eraser("eraser", 7002, QInputDevice::DeviceType::Stylus,
                                        Type::Eraser, QInputDevice::Capability::Position, 1, 3);
    const Qt::MouseButton button = end == PenEnd::Barrel ? Qt::RightButton : Qt::LeftButton;
    const auto send = [&](QEvent::Type type, QPointF s, Qt::MouseButton b, Qt::MouseButtons held) {
        const QPointF p = pixelOf(field, s);
        QTabletEvent e(type, end == PenEnd::Eraser ? &eraser : &pen, p, field.mapToGlobal(p), 1,
                       0, 0, 0, 0, 0, {}, b, held);
        QCoreApplication::sendEvent(&field, &e);
    };
    send(QEvent::TabletPress, path.front(), button, button);
    for (const QPointF &s : path)
        send(QEvent::TabletMove, s, Qt::NoButton, button);
    send(QEvent::TabletRelease, path.back(), button, Qt::NoButton);
}
