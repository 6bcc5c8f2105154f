// The screen-wide pointer: while set it overrides the pointer of every
// window. It is the application's override cursor; Qt stacks those, so this
// keeps at most one on the stack however often it is set.
#pragma once

#include "canvas/surface.h"

namespace ui {

// The arrow means no override.
void setScreenPointer(canvas::Pointer shape);
canvas::Pointer screenPointer();

}  // namespace ui
