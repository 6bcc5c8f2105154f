// Where the controls of the imaging window go, computed from the screen: the
// field on the left and, to its right, the column of controls.
#pragma once

#include <QRect>

namespace imaging {

struct Form2Layout {
    QRect window;  // client area, in screen coordinates
    QRect Picture1;
    QRect Label1, Option3D1, Option3D2, Raster, Command1, Label2, HScroll1, Text1, Text4;
    QRect Command3, Command4, Command2, Command5;
};

Form2Layout ComputeForm2Layout(const QRect &availableScreen);

}  // namespace imaging
