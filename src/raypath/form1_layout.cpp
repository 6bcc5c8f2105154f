#include "raypath/form1_layout.h"

namespace raypath {

Form1Layout ComputeForm1Layout(const QRect &screen)
{
    using canvas::Bottom;
    using canvas::LayoutBox;
    using canvas::Right;
    const canvas::WindowFrame frame = canvas::FrameForScreen(screen);
    const double FW = frame.FW;
    const double FH = frame.FH;
    Form1Layout l;
    l.window = frame.window;
    l.Picture1 = frame.field;

    const double L = Right(l.Picture1);
    l.Label1 = LayoutBox(L, 0.01 * FH, 0.23 * FW, 0.05 * FH);
    l.Check3D1 = LayoutBox(L, Bottom(l.Label1), 0.11 * FW, 0.05 * FH);
    l.Check3D2 = LayoutBox(Right(l.Check3D1), Bottom(l.Label1), 0.12 * FW, 0.05 * FH);
    l.Check3D3 = LayoutBox(L, Bottom(l.Check3D1), 0.11 * FW, 0.05 * FH);
    l.Check3D4 = QRect(l.Check3D2.x(), l.Check3D3.y(), l.Check3D3.width(), l.Check3D3.height());
    l.Check3D5 = LayoutBox(L, Bottom(l.Check3D3), 0.11 * FW, 0.05 * FH);
    l.Command1 = LayoutBox(L, Bottom(l.Check3D5) + 0.01 * FH, 0.24 * FW, 0.05 * FH);
    l.Label6 = LayoutBox(L, Bottom(l.Command1) + 0.02 * FH, 0.14 * FW, 0.03 * FH);
    l.HScroll1 = LayoutBox(L, Bottom(l.Label6) + 0.01 * FH, 0.24 * FW, 0.03 * FH);
    l.Text3 = LayoutBox(Right(l.Label6) + 0.01 * FW, l.Label6.y() + 0.007 * FH, 0.04 * FW,
                        0.03 * FH);
    l.Label3 = LayoutBox(L, Bottom(l.HScroll1) + 0.05 * FH, 0.26 * FW, 0.03 * FH);
    const double paletteSide = 0.04 * FW;
    l.Picture2 = LayoutBox(L + 0.01 * FW, Bottom(l.Label3), paletteSide, paletteSide);
    l.Picture5 = LayoutBox(Right(l.Picture2) + 0.01 * FW, l.Picture2.y(), paletteSide,
                           l.Picture2.width());
    l.Command4 = LayoutBox(L, Bottom(l.Picture2) + 0.01 * FH, 0.24 * FW, 0.05 * FH);
    l.Command2 = LayoutBox(L, Bottom(l.Command4) + 0.04 * FH, 0.115 * FW, 0.05 * FH);
    l.Command3 = QRect(int(Right(l.Command2) + 0.01 * FW + 0.5), l.Command2.y(),
                       l.Command2.width(), l.Command2.height());
    l.Command5 = LayoutBox(L, Bottom(l.Command2) + 0.04 * FH, 0.24 * FW, 0.05 * FH);
    return l;
}

}  // namespace raypath
