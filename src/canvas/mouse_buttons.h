// The mouse buttons of an event in a drawing field: the button pressed or
// released, or, during a move, every button held. The views act on the left
// or the right button alone; the middle one, or two held at once, match
// neither.
#pragma once

namespace canvas {

enum class MouseButtons : unsigned { None = 0, Left = 1, Right = 2, Middle = 4 };

constexpr MouseButtons operator|(MouseButtons a, MouseButtons b)
{
    return MouseButtons(unsigned(a) | unsigned(b));
}

}  // namespace canvas
