// Where the controls of the ray-path window go, computed from the screen:
// the field on the left, and to its right the column of controls, every row
// placed in fractions of the window below the row above it.
#pragma once

#include "ui/window_frame.h"

#include <QRect>

namespace raypath {

struct Form1Layout {
    QRect window;  // client area, in screen coordinates
    QRect Picture1;
    QRect Label1, Check3D1, Check3D2, Check3D3, Check3D4, Check3D5;
    QRect Command1, Label6, HScroll1, Text3, Label3, Picture2, Picture5;
    QRect Command4, Command2, Command3, Command5;
};

Form1Layout ComputeForm1Layout(const QRect &availableScreen);

}  // namespace raypath
