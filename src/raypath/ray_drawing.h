// Drawing one constructed ray: which parts, in which order, with which pens.
#pragma once

#include "canvas/surface.h"
#include "optics/ray_geometry.h"

namespace raypath {

using optics::Point;
using optics::RayConstruction;

// The parts the five check boxes choose. The incident ray is always drawn;
// each extension is drawn by its own box, whether or not its ray is shown.
struct RayParts {
    bool refracted = true;
    bool refractedExtension = true;
    bool reflected = false;
    bool reflectedExtension = false;
    bool normals = false;
};

// How extensions look on a surface: dotted black on the screen.
struct RayLook {
    QRgb extensionColour = canvas::kBlack;
    canvas::LineStyle extensionStyle = canvas::LineStyle::Dotted;
};

// Draws one ray from P with pens of that width, in this order: the red
// normal, the refracted ray and its extension (only while a refracted ray
// exists), the incident ray, the reflected ray in its grey level, and the
// reflected ray's extension.
void drawRayParts(canvas::Surface &s, Point p, const RayConstruction &ray, const RayParts &parts,
                  double width, const RayLook &look = {});

// The interface line y = 0 from x = -halfLength to halfLength.
void drawInterfaceLine(canvas::Surface &s, const canvas::Pen &pen, double halfLength = 2000);

}  // namespace raypath
