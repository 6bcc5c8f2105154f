// Where the controls of the imaging window go, computed from the screen: the
// field on the left and, to its right, the column of controls.
#pragma once

#include "ui/window_frame.h"

#include <QRect>

namespace imaging {

struct ImagingLayout : ui::WindowFrame {
    explicit ImagingLayout(const QRect &availableScreen);

    QRect modeLabel, singlePointsButton, pointRowsButton, gridBox, clearRowButton;
    QRect indexLabel, indexBar, upperIndexBox, lowerIndexBox;
    QRect printButton, saveBitmapButton, rayPathButton, infoButton;
};


}  // namespace imaging
