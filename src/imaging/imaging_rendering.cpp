// The imaging scene: the five-ray bundle with its backward extensions, the red
// image points, the eye and the stored row points.
#include "imaging/form2.h"

#include "canvas/eye_symbol.h"

#include <cmath>

namespace imaging {

using namespace canvas;
using namespace ui;

void Form2::drawInterfaceLine()
{
    Surface &s = surface();
    s.DrawWidth(2);
    s.Line(-1000, 0, 1000, 0, s.foreColor());
    s.DrawWidth(1);
}

void Form2::drawObjectDot()
{
    Surface &s = surface();
    s.DrawWidth(5);
    s.PSet(ObjectX, ObjectY, s.foreColor());
}

void Form2::eraseObjectDot()
{
    Surface &s = surface();
    s.DrawWidth(5);
    s.PSet(ObjectX, ObjectY, kWhite);
}

void Form2::markImage(Surface &s, Point image, int pen)
{
    s.DrawWidth(pen);
    s.PSet(image.x, image.y, kRed);
    s.DrawWidth(1);
}

void Form2::bundleOn(Surface &s, int imagePen)
{
    if (!(ObjectY > 0))
        return;
    CentralX = findCentralRay(ObjectX, ObjectY, eye(), RefIndex);
    // Five rays a hundredth of P's depth apart, the central one in the middle;
    // the same spacing separates the central and the neighbour ray of the
    // image construction, so the drawn extensions cross near the red dot.
    const double h = ObjectY / 100.0;
    for (int k = -2; k <= 2; ++k) {
        const float x = float(CentralX + k * h);
        const Refraction ray = refractAt(ObjectX, ObjectY, x, RefIndex);
        if (ray.totallyReflected)
            continue;
        const double c = kFarLength * std::cos(double(ray.theta));
        const double sn = kFarLength * std::sin(double(ray.theta));
        s.Line(ObjectX, ObjectY, x, 0, s.foreColor());
        s.Line(x, 0, x + c, -sn, s.foreColor());
        s.Line(x, 0, x - c, sn, s.foreColor());
    }
    if (const auto image = imageFromRayPair(ObjectX, ObjectY, CentralX, RefIndex))
        markImage(s, *image, imagePen);
}

void Form2::rowImagesOn(Surface &s, int imagePen)
{
    const int count = PointCount;
    for (int i = 1; i <= count; ++i) {
        // A point on or above the interface has no image; the row goes on.
        if (const auto image = imagePoint({PointX[i], PointY[i]}, eye(), RefIndex))
            markImage(s, *image, imagePen);
    }
}

void Form2::rowPointsOn(Surface &s, int pen)
{
    s.DrawWidth(pen);
    for (int i = 1; i <= PointCount; ++i)
        s.PSet(PointX[i], PointY[i], s.foreColor());
    s.DrawWidth(1);
}

void Form2::DrawBundle()
{
    bundleOn(surface(), kScreenImagePen);
}

void Form2::MarkImagePoint()
{
    if (const auto image = imageFromRayPair(ObjectX, ObjectY, CentralX, RefIndex))
        markImage(surface(), *image, kScreenImagePen);
}

void Form2::ConstructRowImages()
{
    rowImagesOn(surface(), kScreenImagePen);
}

void Form2::DrawEye()
{
    drawEyeSymbol(surface(), EyeX, EyeY, ObjectX, ObjectY, kScreenEyePens);
}

void Form2::EraseEye()
{
    // One white disc, 5 pixels wider than the eye all round; the pen stays
    // wide, as the DrawEye that always follows sets its own.
    Surface &s = surface();
    s.DrawWidth(10);
    s.Disc(EyeX, EyeY, kEyeRadius, kWhite);
}

void Form2::DrawRowPoints()
{
    rowPointsOn(surface(), kScreenDotPen);
}

void Form2::Picture1_Paint()
{
    Surface &s = surface();
    s.Cls();
    drawInterfaceLine();
    drawObjectDot();
    s.DrawWidth(1);
    DrawEye();
    DrawBundle();
}

}  // namespace imaging
