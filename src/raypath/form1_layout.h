// Where the controls of the ray-path window go, computed from the screen.
//
// The window takes 0.98 of the available screen; the drawing field 0.75 of
// the window's width and 0.98 of that in height, and the column of controls
// stands to its right, every row placed in fractions of the window below the
// row above it. On a wide screen the field would reach below the window, so
// there the field shrinks (width and height together) until its bottom edge
// fits, and the column moves up against it.
#pragma once

#include <QRect>

namespace raypath {

// Room left for the window frame and title bar, which are not known before
// the window is shown.
inline constexpr int kFrameAllowance = 30;

struct Form1Layout {
    QRect window;  // client area, in screen coordinates
    QRect Picture1;
    QRect Label1, Check3D1, Check3D2, Check3D3, Check3D4, Check3D5;
    QRect Command1, Label6, HScroll1, Text3, Label3, Picture2, Picture5;
    QRect Command4, Command2, Command3, Command5;
};

Form1Layout ComputeForm1Layout(const QRect &availableScreen);

}  // namespace raypath
