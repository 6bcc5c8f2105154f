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

WindowFrame::WindowFrame(const QRect &screen)
{
    width = 0.98 * screen.width();
    height = 0.98 * screen.height();
    const int clientHeight = std::max(1, px(height) - kFrameAllowance);
    window = QRect(screen.x() + 1, screen.y() + 1, px(width), clientHeight);

    int fieldWidth = std::max(1, int(0.75 * width));
    int fieldHeight = std::max(1, int(0.98 * fieldWidth));
    const int room = clientHeight - 2;
    if (1 + fieldHeight > room) {
        fieldHeight = std::max(1, room - 1);
        fieldWidth = std::max(1, int(fieldHeight / 0.98));
    }
    field = QRect(1, 1, fieldWidth, fieldHeight);
}

QRect layoutBox(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), std::max(1, px(width)), std::max(1, px(height)));
}

}  // namespace ui
