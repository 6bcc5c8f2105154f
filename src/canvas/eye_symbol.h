// The eye symbol both views draw: a circle of radius 50 scene units and a
// pupil 30 units from its centre on the line towards the point it looks at.
#pragma once

#include "canvas/surface.h"

namespace canvas {

inline constexpr double kEyeRadius = 50;
inline constexpr double kPupilDistance = 30;

struct EyePens {
    int circle = 3;
    int pupil = 15;
};

// Screen pens; paper has its own, wider ones.
inline constexpr EyePens kScreenEyePens{3, 15};
inline constexpr EyePens kPaperEyePens{10, 50};

// Draws the eye at (ex, ey) looking at (tx, ty). An eye on its target has no
// direction to look in: its pupil sits in the middle. Leaves the pen at 1.
void drawEyeSymbol(Surface &s, double ex, double ey, double tx, double ty, EyePens pens);

}  // namespace canvas
