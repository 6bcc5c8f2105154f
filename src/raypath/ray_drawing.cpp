#include "raypath/ray_drawing.h"

namespace raypath {

using namespace canvas;

void drawRayParts(Surface &s, Point p, const RayConstruction &r, const RayParts &parts,
                  const RayLook &look)
{
    const double x = r.hitX;
    if (parts.normals)
        s.Line(x, kNormalHalfLength, x, -kNormalHalfLength, kRed);
    if (r.refracted) {
        if (parts.refracted)
            s.Line(x, 0, r.refractedEnd.x, r.refractedEnd.y, kBlack);
        if (parts.refractedExtension) {
            s.DrawStyle(look.extensionStyle);
            s.Line(x, 0, r.refractedBackEnd.x, r.refractedBackEnd.y, look.extensionColour);
            s.DrawStyle(kSolid);
        }
    }
    s.Line(p.x, p.y, x, 0, kBlack);
    if (parts.reflected)
        s.Line(x, 0, r.reflectedEnd.x, r.reflectedEnd.y, greyLevel(r.reflectedGrey));
    if (parts.reflectedExtension) {
        s.DrawStyle(look.extensionStyle);
        s.Line(x, 0, r.reflectedBackEnd.x, r.reflectedBackEnd.y, look.extensionColour);
        s.DrawStyle(kSolid);
    }
}

void drawInterfaceLine(Surface &s, QRgb colour)
{
    s.Line(-2000, 0, 2000, 0, colour);
}

}  // namespace raypath
