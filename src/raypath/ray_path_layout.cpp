#include "raypath/ray_path_layout.h"

namespace raypath {

using namespace ui;

RayPathLayout::RayPathLayout(const QRect &screen) : WindowFrame(screen)
{
    const double W = width, H = height;
    const double L = rightOf(field);
    partsCaption = layoutBox(L, 0.01 * H, 0.23 * W, 0.05 * H);
    refractedBox = layoutBox(L, bottomOf(partsCaption), 0.11 * W, 0.05 * H);
    refractedExtensionBox =
        layoutBox(rightOf(refractedBox), bottomOf(partsCaption), 0.12 * W, 0.05 * H);
    reflectedBox = layoutBox(L, bottomOf(refractedBox), 0.11 * W, 0.05 * H);
    reflectedExtensionBox = QRect(refractedExtensionBox.x(), reflectedBox.y(), reflectedBox.width(),
                                  reflectedBox.height());
    normalsBox = layoutBox(L, bottomOf(reflectedBox), 0.11 * W, 0.05 * H);
    clearRaysButton = layoutBox(L, bottomOf(normalsBox) + 0.01 * H, 0.24 * W, 0.05 * H);
    indexCaption = layoutBox(L, bottomOf(clearRaysButton) + 0.02 * H, 0.14 * W, 0.03 * H);
    indexBar = layoutBox(L, bottomOf(indexCaption) + 0.01 * H, 0.24 * W, 0.03 * H);
    indexText = layoutBox(rightOf(indexCaption) + 0.01 * W, indexCaption.y() + 0.007 * H, 0.04 * W,
                          0.03 * H);
    markersCaption = layoutBox(L, bottomOf(indexBar) + 0.05 * H, 0.26 * W, 0.03 * H);
    const double paletteSide = 0.04 * W;
    eyeSymbolBox = layoutBox(L + 0.01 * W, bottomOf(markersCaption), paletteSide, paletteSide);
    pointSymbolBox = layoutBox(rightOf(eyeSymbolBox) + 0.01 * W, eyeSymbolBox.y(), paletteSide,
                               eyeSymbolBox.width());
    clearMarkersButton = layoutBox(L, bottomOf(eyeSymbolBox) + 0.01 * H, 0.24 * W, 0.05 * H);
    printButton = layoutBox(L, bottomOf(clearMarkersButton) + 0.04 * H, 0.115 * W, 0.05 * H);
    infoButton = QRect(int(rightOf(printButton) + 0.01 * W + 0.5), printButton.y(),
                       printButton.width(), printButton.height());
    imagingButton = layoutBox(L, bottomOf(printButton) + 0.04 * H, 0.24 * W, 0.05 * H);
}

}  // namespace raypath
