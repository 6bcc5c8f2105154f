#include "canvas/eye_symbol.h"

#include <cmath>

namespace canvas {

void drawEyeSymbol(Surface &s, double ex, double ey, double tx, double ty, EyePens pens)
{
    s.DrawWidth(pens.circle);
    s.Circle(ex, ey, kEyeRadius, s.foreColor());
    s.DrawWidth(pens.pupil);
    const double dx = ex - tx;
    const double dy = ey - ty;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d > 0 && std::isfinite(d))
        s.PSet(ex - kPupilDistance * dx / d, ey - kPupilDistance * dy / d, s.foreColor());
    else
        s.PSet(ex, ey, s.foreColor());
    s.DrawWidth(1);
}

}  // namespace canvas
