#include "imaging/form2_layout.h"

#include "ui/window_frame.h"

namespace imaging {

Form2Layout ComputeForm2Layout(const QRect &screen)
{
    using ui::bottomOf;
    using ui::layoutBox;
    using ui::rightOf;
    const ui::WindowFrame frame = ui::frameForScreen(screen);
    const double W = frame.FW;
    const double H = frame.FH;
    Form2Layout l;
    l.window = frame.window;
    l.Picture1 = frame.field;

    const double fieldRight = rightOf(l.Picture1);
    const double x0 = fieldRight + W * 0.01;
    const double indent = fieldRight + W * 0.05;
    l.Label1 = layoutBox(x0, H * 0.01, W * 0.24, H * 0.03);
    l.Option3D1 = layoutBox(indent, bottomOf(l.Label1), W * 0.19, H * 0.05);
    l.Option3D2 = layoutBox(l.Option3D1.x(), bottomOf(l.Option3D1), W * 0.19, H * 0.05);
    l.Raster = layoutBox(l.Option3D1.x(), bottomOf(l.Option3D2), W * 0.19, H * 0.05);
    l.Command1 = layoutBox(l.Label1.x(), bottomOf(l.Raster) + H * 0.01, W * 0.2, H * 0.05);
    l.Label2 = layoutBox(l.Label1.x(), bottomOf(l.Command1) + H * 0.03, W * 0.14, H * 0.03);
    l.HScroll1 = layoutBox(l.Label1.x(), bottomOf(l.Label2) + H * 0.01, W * 0.15, H * 0.03);
    l.Text1 = QRect(layoutBox(rightOf(l.HScroll1) + W * 0.005, l.Label2.y() + H * 0.025, W * 0.045,
                              l.HScroll1.height()));
    l.Text4 = QRect(l.Text1.x(), int(bottomOf(l.Text1)), l.Text1.width(), l.Text1.height());
    l.Command3 = layoutBox(l.Label1.x(), bottomOf(l.HScroll1) + H * 0.03, W * 0.095, H * 0.05);
    l.Command4 = layoutBox(rightOf(l.Command3) + W * 0.01, l.Command3.y(), W * 0.095, H * 0.05);
    l.Command2 = layoutBox(l.Label1.x(), bottomOf(l.Command3) + H * 0.05, W * 0.2, H * 0.05);
    l.Command5 = QRect(l.Command2.x(), int(bottomOf(l.Command2) + H * 0.005 + 0.5),
                       l.Command2.width(), l.Command2.height());
    return l;
}

}  // namespace imaging
