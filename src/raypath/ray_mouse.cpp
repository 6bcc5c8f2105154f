// Working the ray-path field with the mouse: the left button starts, drags
// and fixes a ray through P (or places an armed marker symbol), the right
// button moves P and the whole fan of fixed rays turns with it.
#include "raypath/form1.h"

#include <cmath>

namespace raypath {

using namespace canvas;
using namespace ui;

namespace {

// Within this distance of P on both axes the pointer becomes a crosshair.
constexpr float kObjectGrabReach = 100;

}  // namespace

void Form1::eraseLiveRay()
{
    // Every segment of the ray computed last, whether it was drawn or not,
    // solid white with the pen in force.
    Surface &s = surface();
    s.DrawStyle(kSolid);
    s.Line(HitX, kNormalHalfLength, HitX, -kNormalHalfLength, kWhite);
    s.Line(ObjectX, ObjectY, HitX, 0, kWhite);
    s.Line(HitX, 0, RefractedEnd.x, RefractedEnd.y, kWhite);
    s.Line(HitX, 0, RefractedBackEnd.x, RefractedBackEnd.y, kWhite);
    s.Line(HitX, 0, ReflectedEnd.x, ReflectedEnd.y, kWhite);
    s.Line(HitX, 0, ReflectedBackEnd.x, ReflectedBackEnd.y, kWhite);
}

void Form1::moveObject(float x, float y)
{
    ObjectX = x;
    ObjectY = y;
    EffIndex = effectiveIndex(ObjectY, RefIndex);
}

void Form1::Picture1_MouseDown(int button, float x, float y)
{
    const bool armed = PointSymbolArmed || EyeSymbolArmed;
    if (button == kLeftButton && !armed) {
        AimX = x;
        AimY = y;
        DrawLiveRay();
    } else if (button == kLeftButton) {
        placeMarkerPress(x, y);
    } else if (button == kRightButton) {
        moveObject(x, y);
        redrawScene();
    }
}

void Form1::Picture1_MouseMove(int buttons, float x, float y)
{
    const bool nearObject =
        std::abs(ObjectX - x) < kObjectGrabReach && std::abs(ObjectY - y) < kObjectGrabReach;
    Picture1->MousePointer(nearObject && buttons != kLeftButton ? kCrossPointer : kArrowPointer);

    const bool armed = PointSymbolArmed || EyeSymbolArmed;
    Surface &s = surface();
    if (buttons == kLeftButton && !armed) {
        eraseLiveRay();
        s.DrawWidth(1);
        DrawInterfaceLine(s, kBlack);
        RedrawRays();
        AimX = x;
        AimY = y;
        s.DrawWidth(1);
        DrawLiveRay();
    } else if (buttons == kLeftButton) {
        placeMarkerMove(x, y);
    } else if (buttons == kRightButton) {
        s.Cls();
        DrawInterfaceLine(s, s.foreColor());
        s.DrawWidth(5);
        s.PSet(x, y, s.foreColor());
        moveObject(x, y);
        s.DrawWidth(1);
        RedrawRays();
    }
}

void Form1::Picture1_MouseUp(int button, float x, float y)
{
    if (button != kLeftButton)
        return;
    if (PointSymbolArmed || EyeSymbolArmed) {
        placeMarkerRelease(x, y);
        return;
    }
    // Only a ray the user saw is fixed: an aim level with P, straight above
    // or below it, or one whose ray meets the interface too far out showed
    // none, and HitX still holds an earlier ray. The store holds 100 rays; a
    // further ray is refused too, and the picture shows the fixed rays as
    // before.
    const bool shown = liveIncidence(objectPoint(), Point{AimX, AimY}).has_value();
    if (shown && RayCount < kMaxRays) {
        ++RayCount;
        RayHitX[RayCount] = HitX;
    }
    Surface &s = surface();
    eraseLiveRay();
    DrawInterfaceLine(s, kWhite);
    s.DrawWidth(1);
    DrawInterfaceLine(s, kBlack);
    RedrawRays();
    s.DrawWidth(1);
}

void Form1::Command1_Click()
{
    Surface &s = surface();
    s.Cls();
    RayCount = 0;
    s.DrawWidth(5);
    s.PSet(ObjectX, ObjectY, s.foreColor());
    s.DrawWidth(1);
    DrawInterfaceLine(s, kBlack);
    RedrawMarkers();
}

}  // namespace raypath
