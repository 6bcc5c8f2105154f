// Where the controls of the imaging window go, computed from the screen: the
// field on the left and, to its right, the column of controls.
#pragma once

#include <QRect>

namespace imaging {

struct ImagingWindowLayout {
    QRect window;  // client area, in screen coordinates
    QRect field;
    QRect modeLabel, singlePointsButton, pointRowsButton, gridBox, clearRowButton;
    QRect indexLabel, indexBar, upperIndexBox, lowerIndexBox;
    QRect printButton, saveBitmapButton, rayPathButton, infoButton;
};

ImagingWindowLayout imagingWindowLayout(const QRect &availableScreen);

}  // namespace imaging
