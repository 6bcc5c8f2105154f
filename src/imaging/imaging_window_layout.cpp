#include "imaging/imaging_window_layout.h"

#include "ui/window_frame.h"

namespace imaging {

ImagingWindowLayout imagingWindowLayout(const QRect &screen)
{
    using ui::bottomOf;
    using ui::layoutBox;
    using ui::rightOf;
    const ui::WindowFrame frame = ui::frameForScreen(screen);
    const double W = frame.FW;
    const double H = frame.FH;
    ImagingWindowLayout l;
    l.window = frame.window;
    l.field = frame.field;

    const double fieldRight = rightOf(l.field);
    const double x0 = fieldRight + W * 0.01;
    const double indent = fieldRight + W * 0.05;
    l.modeLabel = layoutBox(x0, H * 0.01, W * 0.24, H * 0.03);
    l.singlePointsButton = layoutBox(indent, bottomOf(l.modeLabel), W * 0.19, H * 0.05);
    l.pointRowsButton = layoutBox(l.singlePointsButton.x(), bottomOf(l.singlePointsButton),
                                  W * 0.19, H * 0.05);
    l.gridBox =
        layoutBox(l.singlePointsButton.x(), bottomOf(l.pointRowsButton), W * 0.19, H * 0.05);
    l.clearRowButton =
        layoutBox(l.modeLabel.x(), bottomOf(l.gridBox) + H * 0.01, W * 0.2, H * 0.05);
    l.indexLabel = layoutBox(l.modeLabel.x(), bottomOf(l.clearRowButton) + H * 0.03, W * 0.14,
                             H * 0.03);
    l.indexBar = layoutBox(l.modeLabel.x(), bottomOf(l.indexLabel) + H * 0.01, W * 0.15, H * 0.03);
    l.upperIndexBox = QRect(layoutBox(rightOf(l.indexBar) + W * 0.005, l.indexLabel.y() + H * 0.025,
                                      W * 0.045, l.indexBar.height()));
    l.lowerIndexBox = QRect(l.upperIndexBox.x(), int(bottomOf(l.upperIndexBox)),
                            l.upperIndexBox.width(), l.upperIndexBox.height());
    l.printButton =
        layoutBox(l.modeLabel.x(), bottomOf(l.indexBar) + H * 0.03, W * 0.095, H * 0.05);
    l.saveBitmapButton = layoutBox(rightOf(l.printButton) + W * 0.01, l.printButton.y(), W * 0.095,
                                   H * 0.05);
    l.rayPathButton = layoutBox(l.modeLabel.x(), bottomOf(l.printButton) + H * 0.05, W * 0.2,
                                H * 0.05);
    l.infoButton = QRect(l.rayPathButton.x(), int(bottomOf(l.rayPathButton) + H * 0.005 + 0.5),
                         l.rayPathButton.width(), l.rayPathButton.height());
    return l;
}

}  // namespace imaging
