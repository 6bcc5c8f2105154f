// Event sequences on both main windows: presses, moves and releases of any
// buttons at any position (in and far outside the field), scroll-bar values,
// check-box and option clicks, palette clicks and the commands that need no
// dialogue. After every event the stores stay within their limits, and no
// drawing call ever received a NaN or an infinite coordinate.
#include "control.h"
#include "fuzz_input.h"
#include "ui/screen_pointer.h"
#include "imaging/imaging_window.h"
#include "raypath/ray_path_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// Hands every call on to the field's raster, and stops the run at the first
// value that is not finite.
class CheckingSurface : public canvas::Surface
{
public:
    explicit CheckingSurface(canvas::DrawingField *field) : field_(field) {}
    using Surface::circle;
    using Surface::line;
    using Surface::dot;
    void setScale(double x1, double y1, double x2, double y2) override
    {
        check({x1, y1, x2, y2});
        field_->setScale(x1, y1, x2, y2);
    }
    void clear() override { field_->raster().clear(); }
    void line(double x1, double y1, double x2, double y2, const canvas::Pen &pen) override
    {
        check({x1, y1, x2, y2});
        field_->raster().line(x1, y1, x2, y2, pen);
    }
    void circle(double x, double y, double r, const canvas::Pen &pen) override
    {
        check({x, y, r});
        field_->raster().circle(x, y, r, pen);
    }
    void dot(double x, double y, const canvas::Pen &pen) override
    {
        check({x, y});
        field_->raster().dot(x, y, pen);
    }
    void disc(double x, double y, double r, const canvas::Pen &pen) override
    {
        check({x, y, r});
        field_->raster().disc(x, y, r, pen);
    }

private:
    static void check(std::initializer_list<double> values)
    {
        for (double v : values)
            if (!std::isfinite(v))
                __builtin_trap();
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

QPointF point(FuzzInput &in)
{
    const float x = coordinate(in);
    return {x, coordinate(in)};
}

void checkLimits(const raypath::RayPathWindow &f1, const imaging::ImagingWindow &f2)
{
    const raypath::RayPathScene &rays = f1.scene();
    if (rays.rayHits().size() > size_t(raypath::kMaxRays)
        || rays.pointMarkers().size() > size_t(raypath::kMaxMarkers)
        || rays.eyeMarkers().size() > size_t(raypath::kMaxMarkers)
        || int(f2.scene().rowPoints().size()) > imaging::kMaxRowPoints)
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
    raypath::RayPathWindow f1;
    imaging::ImagingWindow f2;
    using canvas::DrawingField;
    const auto button = [](QWidget &w, const char *name) {
        return control<QAbstractButton>(w, name);
    };
    CheckingSurface s1(control<DrawingField>(f1, "field")), s2(control<DrawingField>(f2, "field"));
    f1.scene().setScreen(s1);
    f2.scene().setScreen(s2);
    f1.scene().drawFirstPicture();
    f2.scene().paintFreshField();

    // A long run of full stores is the interesting part: let inputs reach it.
    for (int step = 0; step < 2000 && !in.empty(); ++step) {
        const uint8_t op = in.byte() % 14;
        const int code = in.byte() % 8;
        const auto buttons = canvas::MouseButtons(code);
        DrawingField *field1 = control<DrawingField>(f1, "field");
        switch (op) {
        case 0: emit field1->fieldEvent(canvas::FieldEvent::press(buttons, point(in))); break;
        case 1: emit field1->fieldEvent(canvas::FieldEvent::move(buttons, point(in))); break;
        case 2: emit field1->fieldEvent(canvas::FieldEvent::release(buttons, point(in))); break;
        case 3: control<QScrollBar>(f1, "indexBar")->setValue(50 + in.byte() % 151); break;
        case 4: {
            const char *boxes[] = {"refractedBox", "refractedExtensionBox", "reflectedBox",
                                   "reflectedExtensionBox", "normalsBox"};
            button(f1, boxes[code % 5])->toggle();
            break;
        }
        case 5: button(f1, (code & 1) ? "eyeSymbolBox" : "pointSymbolBox")->click(); break;
        case 6: button(f1, (code & 1) ? "clearRaysButton" : "clearMarkersButton")->click(); break;
        case 7: f2.fieldEvent(canvas::FieldEvent::press(buttons, point(in))); break;
        case 8: f2.fieldEvent(canvas::FieldEvent::move(buttons, point(in))); break;
        case 9: f2.fieldEvent(canvas::FieldEvent::release(buttons, point(in))); break;
        case 10: control<QScrollBar>(f2, "indexBar")->setValue(50 + in.byte() % 151); break;
        case 11:
            if (code & 1)
                button(f2, "gridBox")->toggle();
            else
                button(f2, code & 2 ? "pointRowsButton" : "singlePointsButton")->setChecked(true);
            break;
        case 12: f2.scene().clearRow(); break;
        case 13: f2.scene().paintFreshField(); break;
        }
        checkLimits(f1, f2);
    }
    ui::setScreenPointer(canvas::Pointer::Arrow);
    return 0;
}
