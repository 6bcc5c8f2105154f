// Point and eye markers on the ray-path field, and the palette they are
// taken from. Every eye looks at the point marker placed last, or at (0, 0)
// on the interface while there is none.
#include "raypath/form1.h"

#include "canvas/eye_symbol.h"

#include <cmath>

namespace raypath {

using namespace canvas;
using namespace ui;

Point Form1::eyeTarget() const
{
    return {PointMarkX[PointMarkCount], PointMarkY[PointMarkCount]};
}

void Form1::DrawEye()
{
    const Point t = eyeTarget();
    drawEyeSymbol(surface(), EyeX, EyeY, t.x, t.y, kScreenEyePens);
}

void Form1::EraseEye()
{
    // One white disc, 10 pixels wider than the eye all round.
    Surface &s = surface();
    s.DrawWidth(20);
    s.Disc(EyeX, EyeY, kEyeRadius, kWhite);
    s.DrawWidth(1);
}

void Form1::RedrawMarkers()
{
    Surface &s = surface();
    s.DrawWidth(5);
    for (int i = 1; i <= PointMarkCount; ++i)
        s.PSet(PointMarkX[i], PointMarkY[i], s.foreColor());
    for (int i = 1; i <= EyeMarkCount; ++i) {
        EyeX = EyeMarkX[i];
        EyeY = EyeMarkY[i];
        DrawEye();
    }
    s.DrawWidth(1);
}

void Form1::Picture2_Paint()
{
    Picture2->DrawWidth(3);
    Picture2->Circle(0, 0, kEyeRadius);
    Picture2->DrawWidth(10);
    Picture2->PSet(-kPupilDistance, 0);
    Picture2->DrawWidth(1);
}

void Form1::Picture5_Paint()
{
    Picture5->DrawWidth(5);
    Picture5->PSet(0, 0);
}

// A click toggles the box's frame and arms its symbol while framed; arming
// one symbol disarms the other.
static void toggleSymbol(canvas::DrawingField *box, std::int16_t &armed,
                         canvas::DrawingField *otherBox, std::int16_t &otherArmed)
{
    const int b = 1 - box->borderStyle();
    box->BorderStyle(b);
    armed = std::int16_t(b);
    if (b == 1) {
        otherArmed = 0;
        otherBox->BorderStyle(0);
    }
}

void Form1::Picture2_Click()
{
    toggleSymbol(Picture2, EyeSymbolArmed, Picture5, PointSymbolArmed);
}

void Form1::Picture5_Click()
{
    toggleSymbol(Picture5, PointSymbolArmed, Picture2, EyeSymbolArmed);
}

void Form1::disarmSymbols()
{
    Picture2->BorderStyle(0);
    Picture5->BorderStyle(0);
    PointSymbolArmed = 0;
    EyeSymbolArmed = 0;
}

void Form1::placeMarkerPress(float x, float y)
{
    Surface &s = surface();
    s.DrawWidth(5);
    AimX = x;
    AimY = y;
    if (PointSymbolArmed) {
        s.PSet(AimX, AimY, s.foreColor());
    } else {
        EyeX = AimX;
        EyeY = AimY;
        DrawEye();
    }
}

void Form1::placeMarkerMove(float x, float y)
{
    Surface &s = surface();
    if (PointSymbolArmed) {
        s.DrawWidth(5);
        s.PSet(AimX, AimY, kWhite);
        s.PSet(x, y, s.foreColor());
        AimX = x;
        AimY = y;
    } else {
        EyeX = AimX;
        EyeY = AimY;
        EraseEye();
        AimX = EyeX = x;
        AimY = EyeY = y;
        DrawEye();
    }
}

void Form1::placeMarkerRelease(float x, float y)
{
    Surface &s = surface();
    const bool point = PointSymbolArmed;
    const bool full = point ? PointMarkCount >= kMaxMarkers : EyeMarkCount >= kMaxMarkers;
    if (full) {
        // The store holds 20 markers of each kind: the symbol is refused and
        // the picture shows what it showed before the symbol was dragged in.
        disarmSymbols();
        redrawScene();
        return;
    }
    if (point) {
        s.DrawWidth(5);
        s.PSet(x, y, s.foreColor());
        ++PointMarkCount;
        PointMarkX[PointMarkCount] = x;
        PointMarkY[PointMarkCount] = y;
    } else {
        DrawEye();
        ++EyeMarkCount;
        EyeMarkX[EyeMarkCount] = x;
        EyeMarkY[EyeMarkCount] = y;
    }
    s.DrawWidth(1);
    disarmSymbols();
}

void Form1::Command4_Click()
{
    Surface &s = surface();
    s.DrawWidth(5);
    for (int i = 1; i <= PointMarkCount; ++i)
        s.PSet(PointMarkX[i], PointMarkY[i], kWhite);
    s.DrawWidth(10);
    for (int i = 1; i <= EyeMarkCount; ++i)
        for (int r = 0; r <= 50; r += 10)
            s.Circle(EyeMarkX[i], EyeMarkY[i], r, kWhite);
    PointMarkCount = 0;
    EyeMarkCount = 0;
    s.DrawWidth(1);
}

}  // namespace raypath
