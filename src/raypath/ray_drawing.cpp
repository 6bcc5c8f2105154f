#include "raypath/ray_drawing.h"

namespace raypath {

using namespace canvas;
using namespace optics;

void drawRayParts(Surface &s, Point p, const RayConstruction &r, const RayParts &parts,
                  const RayLook &look)
{
    const double x = r.hitX;
    if (parts.normals)
        s.line(x, kNormalHalfLength, x, -kNormalHalfLength, kRed);
    if (r.refracted) {
        if (parts.refracted)
            s.line(x, 0, r.refractedEnd.x, r.refractedEnd.y, kBlack);
        if (parts.refractedExtension) {
            s.setLineStyle(look.extensionStyle);
            s.line(x, 0, r.refractedBackEnd.x, r.refractedBackEnd.y, look.extensionColour);
            s.setLineStyle(LineStyle::Solid);
        }
    }
    s.line(p.x, p.y, x, 0, kBlack);
    if (parts.reflected)
        s.line(x, 0, r.reflectedEnd.x, r.reflectedEnd.y, greyLevel(r.reflectedGrey));
    if (parts.reflectedExtension) {
        s.setLineStyle(look.extensionStyle);
        s.line(x, 0, r.reflectedBackEnd.x, r.reflectedBackEnd.y, look.extensionColour);
        s.setLineStyle(LineStyle::Solid);
    }
}

void drawInterfaceLine(Surface &s, QRgb colour, double halfLength)
{
    s.line(-halfLength, 0, halfLength, 0, colour);
}

}  // namespace raypath
