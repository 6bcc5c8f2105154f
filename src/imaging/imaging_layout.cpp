#include "imaging/imaging_layout.h"

namespace imaging {

using namespace ui;

ImagingLayout::ImagingLayout(const QRect &screen) : WindowFrame(screen)
{
    const double W = width, H = height;
    const double fieldRight = rightOf(field);
    const double x0 = fieldRight + W * 0.01;
    const double indent = fieldRight + W * 0.05;
    modeLabel = layoutBox(x0, H * 0.01, W * 0.24, H * 0.03);
    singlePointsButton = layoutBox(indent, bottomOf(modeLabel), W * 0.19, H * 0.05);
    pointRowsButton =
        layoutBox(singlePointsButton.x(), bottomOf(singlePointsButton), W * 0.19, H * 0.05);
    gridBox = layoutBox(singlePointsButton.x(), bottomOf(pointRowsButton), W * 0.19, H * 0.05);
    clearRowButton = layoutBox(modeLabel.x(), bottomOf(gridBox) + H * 0.01, W * 0.2, H * 0.05);
    indexLabel = layoutBox(modeLabel.x(), bottomOf(clearRowButton) + H * 0.03, W * 0.14, H * 0.03);
    indexBar = layoutBox(modeLabel.x(), bottomOf(indexLabel) + H * 0.01, W * 0.15, H * 0.03);
    upperIndexBox = QRect(layoutBox(rightOf(indexBar) + W * 0.005, indexLabel.y() + H * 0.025,
                                    W * 0.045, indexBar.height()));
    lowerIndexBox = QRect(upperIndexBox.x(), int(bottomOf(upperIndexBox)), upperIndexBox.width(),
                          upperIndexBox.height());
    printButton = layoutBox(modeLabel.x(), bottomOf(indexBar) + H * 0.03, W * 0.095, H * 0.05);
    saveBitmapButton =
        layoutBox(rightOf(printButton) + W * 0.01, printButton.y(), W * 0.095, H * 0.05);
    rayPathButton = layoutBox(modeLabel.x(), bottomOf(printButton) + H * 0.05, W * 0.2, H * 0.05);
    infoButton = QRect(rayPathButton.x(), int(bottomOf(rayPathButton) + H * 0.005 + 0.5),
                       rayPathButton.width(), rayPathButton.height());
}

}  // namespace imaging
