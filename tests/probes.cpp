#include "probes.h"

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
