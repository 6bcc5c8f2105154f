#include "canvas/eye_symbol.h"

#include <cmath>

namespace canvas {

void drawEyeSymbol(Surface &s, double ex, double ey, double tx, double ty, EyePens pens)
{
    s.circle(ex, ey, kEyeRadius, {pens.circle});
    const Pen pupil{pens.pupil};
    const double dx = ex - tx;
    const double dy = ey - ty;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d > 0 && std::isfinite(d))
        s.dot(ex - kPupilDistance * dx / d, ey - kPupilDistance * dy / d, pupil);
    else
        s.dot(ex, ey, pupil);
}

void eraseEyeSymbol(Surface &s, double ex, double ey, int margin)
{
    s.disc(ex, ey, kEyeRadius, {2.0 * margin, kWhite});
}

}  // namespace canvas
