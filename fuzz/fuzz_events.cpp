// Event sequences on both main windows: presses, moves and releases of any
// buttons at any position (in and far outside the field), scroll-bar values,
// check-box and option clicks, palette clicks and the commands that need no
// dialogue. After every event the stores stay within their limits, and no
// drawing call ever received a NaN or an infinite coordinate.
#include "fuzz_input.h"
#include "ui/screen_pointer.h"
#include "imaging/imaging_window.h"
#include "raypath/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// Hands every call on to the field, and stops the run at the first value
// that is not finite.
class CheckingSurface : public canvas::Surface
{
public:
    explicit CheckingSurface(canvas::DrawingField *field) : field_(field) {}
    using Surface::Circle;
    using Surface::Line;
    using Surface::PSet;
    void Scale(double x1, double y1, double x2, double y2) override
    {
        check({x1, y1, x2, y2});
        field_->Scale(x1, y1, x2, y2);
    }
    void Cls() override { field_->Cls(); }
    void Line(double x1, double y1, double x2, double y2, QRgb colour) override
    {
        check({x1, y1, x2, y2});
        sync();
        field_->Line(x1, y1, x2, y2, colour);
    }
    void Circle(double x, double y, double r, QRgb colour) override
    {
        check({x, y, r});
        sync();
        field_->Circle(x, y, r, colour);
    }
    void PSet(double x, double y, QRgb colour) override
    {
        check({x, y});
        sync();
        field_->PSet(x, y, colour);
    }
    void Disc(double x, double y, double r, QRgb colour) override
    {
        check({x, y, r});
        sync();
        field_->Disc(x, y, r, colour);
    }

private:
    static void check(std::initializer_list<double> values)
    {
        for (double v : values)
            if (!std::isfinite(v))
                __builtin_trap();
    }
    void sync()
    {
        field_->DrawWidth(drawWidth());
        field_->DrawStyle(drawStyle());
    }
    canvas::DrawingField *field_;
};

// Positions: anywhere, or exactly on the values the handlers test against.
float coordinate(FuzzInput &in)
{
    static const float edges[] = {0, -50, -49.9f, 50, 10, 9.99f, -10, 100, 500, -500, 1000, -1000};
    const uint8_t pick = in.byte();
    if (pick < 48)
        return edges[pick % (sizeof edges / sizeof *edges)];
    return in.position();
}

void checkLimits(const raypath::Form1 &f1, const imaging::ImagingWindow &f2)
{
    if (f1.RayCount < 0 || f1.RayCount > raypath::kMaxRays || f1.PointMarkCount < 0
        || f1.PointMarkCount > raypath::kMaxMarkers || f1.EyeMarkCount < 0
        || f1.EyeMarkCount > raypath::kMaxMarkers
        || int(f2.scene().rowPoints().size()) > imaging::kMaxRowPoints)
        __builtin_trap();
    if (f1.PointSymbolArmed && f1.EyeSymbolArmed)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_events";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    raypath::Form1 f1;
    imaging::ImagingWindow f2;
    CheckingSurface s1(f1.Picture1), s2(f2.field);
    f1.setSurface(&s1);
    f2.scene().setSurface(s2);
    f1.Picture1_Paint();
    f2.scene().paintFreshField();

    // A long run of full stores is the interesting part: let inputs reach it.
    for (int step = 0; step < 2000 && !in.empty(); ++step) {
        const uint8_t op = in.byte() % 14;
        const int buttons = in.byte() % 8;
        switch (op) {
        case 0: f1.Picture1_MouseDown(buttons, coordinate(in), coordinate(in)); break;
        case 1: f1.Picture1_MouseMove(buttons, coordinate(in), coordinate(in)); break;
        case 2: f1.Picture1_MouseUp(buttons, coordinate(in), coordinate(in)); break;
        case 3: f1.HScroll1->setValue(50 + in.byte() % 151); break;
        case 4: {
            QCheckBox *boxes[] = {f1.Check3D1, f1.Check3D2, f1.Check3D3, f1.Check3D4, f1.Check3D5};
            boxes[buttons % 5]->toggle();
            break;
        }
        case 5: (buttons & 1) ? f1.Picture2_Click() : f1.Picture5_Click(); break;
        case 6: (buttons & 1) ? f1.Command1_Click() : f1.Command4_Click(); break;
        case 7: f2.pressOnField(buttons, coordinate(in), coordinate(in)); break;
        case 8: f2.dragOnField(buttons, coordinate(in), coordinate(in)); break;
        case 9: f2.releaseOnField(buttons, coordinate(in), coordinate(in)); break;
        case 10: f2.indexBar->setValue(50 + in.byte() % 151); break;
        case 11:
            if (buttons & 1)
                f2.gridBox->toggle();
            else
                (buttons & 2 ? f2.pointRowsButton : f2.singlePointsButton)->setChecked(true);
            break;
        case 12: f2.scene().clearRow(); break;
        case 13: f2.scene().paintFreshField(); break;
        }
        checkLimits(f1, f2);
    }
    ui::setScreenPointer(canvas::kArrowPointer);
    return 0;
}
