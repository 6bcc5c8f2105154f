// The elements of the imaging scene: the five-ray bundle with its backward
// extensions, the red image points, the eye and the stored row points.
#include "imaging/imaging_scene.h"

#include "optics/image_construction.h"

#include <cmath>

namespace imaging {

using namespace canvas;
using namespace optics;

namespace {

void markImage(Surface &s, Point image, double width)
{
    s.dot(image.x, image.y, {width, kRed});
}

}  // namespace

void ImagingScene::interfaceOn(Surface &s, const ImagingPens &pens)
{
    s.line(-1000, 0, 1000, 0, {pens.interfaceLine});
}

void ImagingScene::drawInterfaceLine()
{
    interfaceOn(screen(), kScreenPens);
}

void ImagingScene::drawObjectDot()
{
    screen().dot(objectPoint_.x, objectPoint_.y, {kScreenPens.dots});
}

void ImagingScene::eraseObjectDot()
{
    screen().dot(objectPoint_.x, objectPoint_.y, {kScreenPens.dots, kWhite});
}

void ImagingScene::bundleOn(Surface &s, const ImagingPens &pens)
{
    const Point p = objectPoint_;
    if (!(p.y > 0))
        return;
    const float centralX = findCentralRay(p.x, p.y, eye_, index_);
    // Five rays a hundredth of P's depth apart, the central one in the middle;
    // the same spacing separates the central and the neighbour ray of the
    // image construction, so the drawn extensions cross near the red dot.
    const double h = p.y / 100.0;
    for (int k = -2; k <= 2; ++k) {
        const float x = float(centralX + k * h);
        const Refraction ray = refractAt(p.x, p.y, x, index_);
        if (ray.totallyReflected)
            continue;
        const double c = kFarLength * std::cos(double(ray.theta));
        const double sn = kFarLength * std::sin(double(ray.theta));
        s.line(p.x, p.y, x, 0, {pens.bundle});
        s.line(x, 0, x + c, -sn, {pens.bundle});
        s.line(x, 0, x - c, sn, {pens.bundle});
    }
    if (const auto image = imageFromRayPair(p.x, p.y, centralX, index_))
        markImage(s, *image, pens.dots);
}

void ImagingScene::rowImagesOn(Surface &s, const ImagingPens &pens)
{
    for (const Point &p : rowPoints_) {
        // A point on or above the interface has no image; the row goes on.
        if (const auto image = imagePoint(p, eye_, index_))
            markImage(s, *image, pens.dots);
    }
}

void ImagingScene::rowPointsOn(Surface &s, const ImagingPens &pens)
{
    for (const Point &p : rowPoints_)
        s.dot(p.x, p.y, {pens.dots});
}

void ImagingScene::drawBundle()
{
    bundleOn(screen(), kScreenPens);
}

void ImagingScene::drawRowImages()
{
    rowImagesOn(screen(), kScreenPens);
}

void ImagingScene::eyeOn(Surface &s, const ImagingPens &pens)
{
    // The eye looks along the light it receives, which comes from P', the
    // image of the point placed last; P itself only where it has no image.
    const Point target = imagePoint(objectPoint_, eye_, index_).value_or(objectPoint_);
    drawEyeSymbol(s, eye_.x, eye_.y, target.x, target.y, pens.eye);
}

void ImagingScene::drawEye()
{
    eyeOn(screen(), kScreenPens);
}

void ImagingScene::drawRowPoints()
{
    rowPointsOn(screen(), kScreenPens);
}

}  // namespace imaging
