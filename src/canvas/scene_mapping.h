// Scene units to device pixels and back, for a surface of a given size.
//
// Scale (x1, y1)-(x2, y2) puts (x1, y1) at the upper-left corner of the device
// area and (x2, y2) at the lower-right one. The views choose y2 > y1, so scene
// y grows downward like device y, and the interface y = 0 runs across the
// middle; nothing here flips an axis on its own.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <optional>

namespace canvas {

class SceneMapping
{
public:
    SceneMapping() = default;
    SceneMapping(double x1, double y1, double x2, double y2, QRectF device);

    void setScale(double x1, double y1, double x2, double y2);
    void setDevice(QRectF device);

    QPointF toDevice(double x, double y) const;
    QPointF toScene(QPointF device) const;
    // Length of d scene units along x, in device pixels.
    double lengthToDevice(double d) const;

    QRectF device() const { return device_; }
    double left() const { return x1_; }
    double top() const { return y1_; }
    double width() const { return x2_ - x1_; }
    double height() const { return y2_ - y1_; }

private:
    double x1_ = 0, y1_ = 0, x2_ = 1, y2_ = 1;
    QRectF device_ = QRectF(0, 0, 1, 1);
};

// The part of the segment a-b that lies inside rect (Liang-Barsky), or none.
// Non-finite end points give none.
std::optional<QLineF> clipLine(QPointF a, QPointF b, const QRectF &rect);

}  // namespace canvas
