#include "raypath/ray_drawing.h"

namespace raypath {

using namespace canvas;
using namespace optics;

void drawRayParts(Surface &s, Point p, const RayConstruction &r, const RayParts &parts,
                  double width, const RayLook &look)
{
    const double x = r.hitX;
    const Pen extension{width, look.extensionColour, look.extensionStyle};
    if (parts.normals)
        s.line(x, kNormalHalfLength, x, -kNormalHalfLength, {width, kRed});
    if (r.refracted) {
        if (parts.refracted)
            s.line(x, 0, r.refractedEnd.x, r.refractedEnd.y, {width});
        if (parts.refractedExtension)
            s.line(x, 0, r.refractedBackEnd.x, r.refractedBackEnd.y, extension);
    }
    s.line(p.x, p.y, x, 0, {width});
    if (parts.reflected)
        s.line(x, 0, r.reflectedEnd.x, r.reflectedEnd.y, {width, greyLevel(r.reflectedGrey)});
    if (parts.reflectedExtension)
        s.line(x, 0, r.reflectedBackEnd.x, r.reflectedBackEnd.y, extension);
}

void drawInterfaceLine(Surface &s, const Pen &pen, double halfLength)
{
    s.line(-halfLength, 0, halfLength, 0, pen);
}

}  // namespace raypath
