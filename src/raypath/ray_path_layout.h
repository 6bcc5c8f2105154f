// Where the controls of the ray-path window go, computed from the screen:
// the field on the left, and to its right the column of controls, every row
// placed in fractions of the window below the row above it.
#pragma once

#include "ui/window_frame.h"

#include <QRect>

namespace raypath {

struct RayPathLayout : ui::WindowFrame {
    explicit RayPathLayout(const QRect &availableScreen);

    QRect partsCaption, refractedBox, refractedExtensionBox, reflectedBox, reflectedExtensionBox,
        normalsBox;
    QRect clearRaysButton, indexCaption, indexBar, indexText, markersCaption, eyeSymbolBox,
        pointSymbolBox;
    QRect clearMarkersButton, printButton, infoButton, imagingButton;
};


}  // namespace raypath
