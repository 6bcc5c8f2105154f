#include "recording_surface.h"

#include <cmath>

namespace {

bool finite(std::initializer_list<double> vs)
{
    for (double v : vs)
        if (!std::isfinite(v))
            return false;
    return true;
}

}  // namespace

void RecordingSurface::Cls()
{
    ops.push_back({DrawOp::Cls, 0, 0, 0, 0, 0, drawWidth(), drawStyle()});
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, QRgb colour)
{
    if (!finite({x1, y1, x2, y2}))
        ++nonFinite;
    ops.push_back({DrawOp::Line, x1, y1, x2, y2, colour, drawWidth(), drawStyle()});
}

void RecordingSurface::Circle(double x, double y, double r, QRgb colour)
{
    if (!finite({x, y, r}))
        ++nonFinite;
    ops.push_back({DrawOp::Circle, x, y, r, 0, colour, drawWidth(), drawStyle()});
}

void RecordingSurface::PSet(double x, double y, QRgb colour)
{
    if (!finite({x, y}))
        ++nonFinite;
    ops.push_back({DrawOp::PSet, x, y, 0, 0, colour, drawWidth(), drawStyle()});
}

std::vector<DrawOp> RecordingSurface::of(DrawOp::Kind kind) const
{
    std::vector<DrawOp> out;
    for (const DrawOp &op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

std::vector<DrawOp> RecordingSurface::lines(QRgb colour) const
{
    std::vector<DrawOp> out;
    for (const DrawOp &op : ops)
        if (op.kind == DrawOp::Line && op.colour == colour)
            out.push_back(op);
    return out;
}

QString describe(const DrawOp &op)
{
    static const char *names[] = {"Cls", "Line", "Circle", "PSet"};
    return QStringLiteral("%1 (%2, %3)-(%4, %5) rgb %6 w%7 s%8")
        .arg(QLatin1String(names[op.kind]))
        .arg(op.x1)
        .arg(op.y1)
        .arg(op.x2)
        .arg(op.y2)
        .arg(op.colour & 0xffffff, 6, 16, QLatin1Char('0'))
        .arg(op.width)
        .arg(op.style);
}
