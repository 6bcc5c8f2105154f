#include "raypath/ray_path_layout.h"

namespace raypath {

RayPathLayout computeRayPathLayout(const QRect &screen)
{
    using ui::bottomOf;
    using ui::layoutBox;
    using ui::rightOf;
    const ui::WindowFrame frame = ui::frameForScreen(screen);
    const double FW = frame.FW;
    const double FH = frame.FH;
    RayPathLayout l;
    l.window = frame.window;
    l.field = frame.field;

    const double L = rightOf(l.field);
    l.partsCaption = layoutBox(L, 0.01 * FH, 0.23 * FW, 0.05 * FH);
    l.refractedBox = layoutBox(L, bottomOf(l.partsCaption), 0.11 * FW, 0.05 * FH);
    l.refractedExtensionBox =
        layoutBox(rightOf(l.refractedBox), bottomOf(l.partsCaption), 0.12 * FW, 0.05 * FH);
    l.reflectedBox = layoutBox(L, bottomOf(l.refractedBox), 0.11 * FW, 0.05 * FH);
    l.reflectedExtensionBox = QRect(l.refractedExtensionBox.x(), l.reflectedBox.y(),
                                    l.reflectedBox.width(), l.reflectedBox.height());
    l.normalsBox = layoutBox(L, bottomOf(l.reflectedBox), 0.11 * FW, 0.05 * FH);
    l.clearRaysButton = layoutBox(L, bottomOf(l.normalsBox) + 0.01 * FH, 0.24 * FW, 0.05 * FH);
    l.indexCaption = layoutBox(L, bottomOf(l.clearRaysButton) + 0.02 * FH, 0.14 * FW, 0.03 * FH);
    l.indexBar = layoutBox(L, bottomOf(l.indexCaption) + 0.01 * FH, 0.24 * FW, 0.03 * FH);
    l.indexText = layoutBox(rightOf(l.indexCaption) + 0.01 * FW, l.indexCaption.y() + 0.007 * FH,
                            0.04 * FW, 0.03 * FH);
    l.markersCaption = layoutBox(L, bottomOf(l.indexBar) + 0.05 * FH, 0.26 * FW, 0.03 * FH);
    const double paletteSide = 0.04 * FW;
    l.eyeSymbolBox = layoutBox(L + 0.01 * FW, bottomOf(l.markersCaption), paletteSide, paletteSide);
    l.pointSymbolBox = layoutBox(rightOf(l.eyeSymbolBox) + 0.01 * FW, l.eyeSymbolBox.y(),
                                 paletteSide, l.eyeSymbolBox.width());
    l.clearMarkersButton =
        layoutBox(L, bottomOf(l.eyeSymbolBox) + 0.01 * FH, 0.24 * FW, 0.05 * FH);
    l.printButton = layoutBox(L, bottomOf(l.clearMarkersButton) + 0.04 * FH, 0.115 * FW, 0.05 * FH);
    l.infoButton = QRect(int(rightOf(l.printButton) + 0.01 * FW + 0.5), l.printButton.y(),
                         l.printButton.width(), l.printButton.height());
    l.imagingButton = layoutBox(L, bottomOf(l.printButton) + 0.04 * FH, 0.24 * FW, 0.05 * FH);
    return l;
}

}  // namespace raypath
