#include "ui/window_frame.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

int px(double v)
{
    return int(std::lround(v));
}

}  // namespace

WindowFrame frameForScreen(const QRect &screen)
{
    WindowFrame f;
    f.FW = 0.98 * screen.width();
    f.FH = 0.98 * screen.height();
    const int clientHeight = std::max(1, px(f.FH) - kFrameAllowance);
    f.window = QRect(screen.x() + 1, screen.y() + 1, px(f.FW), clientHeight);

    int width = std::max(1, int(0.75 * f.FW));
    int height = std::max(1, int(0.98 * width));
    const int room = clientHeight - 2;
    if (1 + height > room) {
        height = std::max(1, room - 1);
        width = std::max(1, int(height / 0.98));
    }
    f.field = QRect(1, 1, width, height);
    return f;
}

QRect layoutBox(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), std::max(1, px(width)), std::max(1, px(height)));
}

}  // namespace ui
