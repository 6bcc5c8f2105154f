#include "canvas/eye_symbol.h"

#include <cmath>

namespace canvas {

void drawEyeSymbol(Surface &s, double ex, double ey, double tx, double ty, EyePens pens)
{
    s.setPenWidth(pens.circle);
    s.circle(ex, ey, kEyeRadius, kBlack);
    s.setPenWidth(pens.pupil);
    const double dx = ex - tx;
    const double dy = ey - ty;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d > 0 && std::isfinite(d))
        s.dot(ex - kPupilDistance * dx / d, ey - kPupilDistance * dy / d, kBlack);
    else
        s.dot(ex, ey, kBlack);
    s.setPenWidth(1);
}

void eraseEyeSymbol(Surface &s, double ex, double ey, int margin)
{
    s.setPenWidth(2 * margin);
    s.disc(ex, ey, kEyeRadius, kWhite);
    s.setPenWidth(1);
}

}  // namespace canvas
