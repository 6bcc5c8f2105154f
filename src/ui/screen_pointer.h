// The screen-wide pointer: while set it overrides the pointer of every
// window. It is the application's override cursor; Qt stacks those, so this
// keeps at most one on the stack however often it is set.
#pragma once

namespace ui {

// 1 arrow (no override), 2 crosshair, 12 no-drop sign.
void setScreenPointer(int code);
int screenPointer();

}  // namespace ui
