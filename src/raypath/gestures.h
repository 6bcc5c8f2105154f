// What one press on the ray-path field starts: a gesture that takes the
// moves of its button and its release, and holds what lives only until then.
// Each gesture is one class of its own file; the scene keeps what lasts.
#pragma once

#include "raypath/ray_path_scene.h"

#include <memory>

namespace raypath {

class RayPathGesture
{
public:
    virtual ~RayPathGesture() = default;
    virtual void move(Point at) = 0;
    virtual void release(Point at) = 0;
};

// The left button: a ray dragged out of P, kept when let go
// (live_ray_drag.cpp).
std::unique_ptr<RayPathGesture> startLiveRay(RayPathScene &scene, Point at);
// The left button with a palette symbol armed: the symbol dragged to its
// place (symbol_placement.cpp).
std::unique_ptr<RayPathGesture> startSymbolPlacement(RayPathScene &scene, Point at);
// The right button: P dragged, the fan of fixed rays turning with it
// (object_drag.cpp).
std::unique_ptr<RayPathGesture> startObjectDrag(RayPathScene &scene, Point at);

}  // namespace raypath
