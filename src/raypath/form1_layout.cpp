#include "raypath/form1_layout.h"

#include <algorithm>
#include <cmath>

namespace raypath {

namespace {

int px(double v)
{
    return int(std::lround(v));
}

QRect box(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), std::max(1, px(width)), std::max(1, px(height)));
}

double bottom(const QRect &r)
{
    return r.y() + r.height();
}

double right(const QRect &r)
{
    return r.x() + r.width();
}

}  // namespace

Form1Layout ComputeForm1Layout(const QRect &screen)
{
    Form1Layout l;
    const double FW = 0.98 * screen.width();
    const double FH = 0.98 * screen.height();
    const int clientHeight = std::max(1, px(FH) - kFrameAllowance);
    l.window = QRect(screen.x() + 1, screen.y() + 1, px(FW), clientHeight);

    // The field, 0.98 as high as wide; shrunk while its bottom edge would
    // leave the client area.
    int fieldWidth = std::max(1, int(0.75 * FW));
    int fieldHeight = std::max(1, int(0.98 * fieldWidth));
    const int room = clientHeight - 2;
    if (1 + fieldHeight > room) {
        fieldHeight = std::max(1, room - 1);
        fieldWidth = std::max(1, int(fieldHeight / 0.98));
    }
    l.Picture1 = QRect(1, 1, fieldWidth, fieldHeight);

    const double L = right(l.Picture1);
    l.Label1 = box(L, 0.01 * FH, 0.23 * FW, 0.05 * FH);
    l.Check3D1 = box(L, bottom(l.Label1), 0.11 * FW, 0.05 * FH);
    l.Check3D2 = box(right(l.Check3D1), bottom(l.Label1), 0.12 * FW, 0.05 * FH);
    l.Check3D3 = box(L, bottom(l.Check3D1), 0.11 * FW, 0.05 * FH);
    l.Check3D4 = QRect(l.Check3D2.x(), l.Check3D3.y(), l.Check3D3.width(), l.Check3D3.height());
    l.Check3D5 = box(L, bottom(l.Check3D3), 0.11 * FW, 0.05 * FH);
    l.Command1 = box(L, bottom(l.Check3D5) + 0.01 * FH, 0.24 * FW, 0.05 * FH);
    l.Label6 = box(L, bottom(l.Command1) + 0.02 * FH, 0.14 * FW, 0.03 * FH);
    l.HScroll1 = box(L, bottom(l.Label6) + 0.01 * FH, 0.24 * FW, 0.03 * FH);
    l.Text3 = box(right(l.Label6) + 0.01 * FW, l.Label6.y() + 0.007 * FH, 0.04 * FW, 0.03 * FH);
    l.Label3 = box(L, bottom(l.HScroll1) + 0.05 * FH, 0.26 * FW, 0.03 * FH);
    const double paletteSide = 0.04 * FW;
    l.Picture2 = box(L + 0.01 * FW, bottom(l.Label3), paletteSide, paletteSide);
    l.Picture5 = box(right(l.Picture2) + 0.01 * FW, l.Picture2.y(), paletteSide,
                     l.Picture2.width());
    l.Command4 = box(L, bottom(l.Picture2) + 0.01 * FH, 0.24 * FW, 0.05 * FH);
    l.Command2 = box(L, bottom(l.Command4) + 0.04 * FH, 0.115 * FW, 0.05 * FH);
    l.Command3 = QRect(px(right(l.Command2) + 0.01 * FW), l.Command2.y(), l.Command2.width(),
                       l.Command2.height());
    l.Command5 = box(L, bottom(l.Command2) + 0.04 * FH, 0.24 * FW, 0.05 * FH);
    return l;
}

}  // namespace raypath
