#include "raypath/form1_layout.h"

namespace raypath {

Form1Layout ComputeForm1Layout(const QRect &screen)
{
    using ui::bottomOf;
    using ui::layoutBox;
    using ui::rightOf;
    const ui::WindowFrame frame = ui::frameForScreen(screen);
    const double FW = frame.FW;
    const double FH = frame.FH;
    Form1Layout l;
    l.window = frame.window;
    l.Picture1 = frame.field;

    const double L = rightOf(l.Picture1);
    l.Label1 = layoutBox(L, 0.01 * FH, 0.23 * FW, 0.05 * FH);
    l.Check3D1 = layoutBox(L, bottomOf(l.Label1), 0.11 * FW, 0.05 * FH);
    l.Check3D2 = layoutBox(rightOf(l.Check3D1), bottomOf(l.Label1), 0.12 * FW, 0.05 * FH);
    l.Check3D3 = layoutBox(L, bottomOf(l.Check3D1), 0.11 * FW, 0.05 * FH);
    l.Check3D4 = QRect(l.Check3D2.x(), l.Check3D3.y(), l.Check3D3.width(), l.Check3D3.height());
    l.Check3D5 = layoutBox(L, bottomOf(l.Check3D3), 0.11 * FW, 0.05 * FH);
    l.Command1 = layoutBox(L, bottomOf(l.Check3D5) + 0.01 * FH, 0.24 * FW, 0.05 * FH);
    l.Label6 = layoutBox(L, bottomOf(l.Command1) + 0.02 * FH, 0.14 * FW, 0.03 * FH);
    l.HScroll1 = layoutBox(L, bottomOf(l.Label6) + 0.01 * FH, 0.24 * FW, 0.03 * FH);
    l.Text3 = layoutBox(rightOf(l.Label6) + 0.01 * FW, l.Label6.y() + 0.007 * FH, 0.04 * FW,
                        0.03 * FH);
    l.Label3 = layoutBox(L, bottomOf(l.HScroll1) + 0.05 * FH, 0.26 * FW, 0.03 * FH);
    const double paletteSide = 0.04 * FW;
    l.Picture2 = layoutBox(L + 0.01 * FW, bottomOf(l.Label3), paletteSide, paletteSide);
    l.Picture5 = layoutBox(rightOf(l.Picture2) + 0.01 * FW, l.Picture2.y(), paletteSide,
                           l.Picture2.width());
    l.Command4 = layoutBox(L, bottomOf(l.Picture2) + 0.01 * FH, 0.24 * FW, 0.05 * FH);
    l.Command2 = layoutBox(L, bottomOf(l.Command4) + 0.04 * FH, 0.115 * FW, 0.05 * FH);
    l.Command3 = QRect(int(rightOf(l.Command2) + 0.01 * FW + 0.5), l.Command2.y(),
                       l.Command2.width(), l.Command2.height());
    l.Command5 = layoutBox(L, bottomOf(l.Command2) + 0.04 * FH, 0.24 * FW, 0.05 * FH);
    return l;
}

}  // namespace raypath
