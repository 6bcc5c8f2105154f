#include "canvas/scene_mapping.h"

#include <cmath>

namespace canvas {

SceneMapping::SceneMapping(double x1, double y1, double x2, double y2, QRectF device)
    : x1_(x1), y1_(y1), x2_(x2), y2_(y2), device_(device)
{
}

void SceneMapping::setScale(double x1, double y1, double x2, double y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
}

void SceneMapping::setDevice(QRectF device)
{
    device_ = device;
}

QPointF SceneMapping::toDevice(double x, double y) const
{
    return {device_.left() + (x - x1_) * device_.width() / (x2_ - x1_),
            device_.top() + (y - y1_) * device_.height() / (y2_ - y1_)};
}

QPointF SceneMapping::toScene(QPointF d) const
{
    return {x1_ + (d.x() - device_.left()) * (x2_ - x1_) / device_.width(),
            y1_ + (d.y() - device_.top()) * (y2_ - y1_) / device_.height()};
}

double SceneMapping::lengthToDevice(double d) const
{
    return std::abs(d * device_.width() / (x2_ - x1_));
}

std::optional<QLineF> clipLine(QPointF a, QPointF b, const QRectF &rect)
{
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x())
        || !std::isfinite(b.y()))
        return std::nullopt;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    // Each edge cuts the parameter range [t0, t1] of a + t (b - a).
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(),
                         rect.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1)
                return std::nullopt;
            if (t > t0)
                t0 = t;
        } else {
            if (t < t0)
                return std::nullopt;
            if (t < t1)
                t1 = t;
        }
    }
    return QLineF(a.x() + t0 * dx, a.y() + t0 * dy, a.x() + t1 * dx, a.y() + t1 * dy);
}

}  // namespace canvas
