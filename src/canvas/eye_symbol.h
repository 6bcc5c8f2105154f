// The eye symbol both views draw: a circle of radius 50 scene units and a
// pupil 30 units from its centre on the line towards the point it looks at.
#pragma once

#include "canvas/surface.h"

namespace canvas {

inline constexpr double kEyeRadius = 50;
inline constexpr double kPupilDistance = 30;

// The pens of the circle and the pupil; each view's pen tables hold them.
struct EyePens {
    double circle;
    double pupil;
};

// Draws the eye at (ex, ey) looking at (tx, ty). An eye on its target has no
// direction to look in: its pupil sits in the middle.
void drawEyeSymbol(Surface &s, double ex, double ey, double tx, double ty, EyePens pens);

// Paints the eye at (ex, ey) over with one white disc, `margin` pixels wider
// than the eye all round: rings of white would leave arcs between them on a
// fine screen.
void eraseEyeSymbol(Surface &s, double ex, double ey, int margin);

}  // namespace canvas
