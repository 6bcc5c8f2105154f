// What one press on the imaging field starts: a gesture that takes the moves
// of its button and its release, and holds what lives only until then. Each
// answers with the pointers it asks for. Each gesture is one class of its own
// file; the scene keeps what lasts.
#pragma once

#include "imaging/imaging_scene.h"

#include <memory>

namespace imaging {

class ImagingGesture
{
public:
    virtual ~ImagingGesture() = default;
    virtual PointerChange move(Point at) = 0;
    virtual PointerChange release() = 0;
};

// A gesture begun, and what its press asks of the pointers.
struct StartedGesture {
    std::unique_ptr<ImagingGesture> gesture;
    PointerChange pointer;
};

// The left button: the eye placed and dragged in the upper half
// (eye_drag.cpp).
StartedGesture startEyeDrag(ImagingScene &scene, Point at);
// The right button, single points: P placed and dragged in the lower half
// (object_drag.cpp).
StartedGesture startObjectDrag(ImagingScene &scene, Point at);
// The right button, rows: the row's next point placed, dragged and stored
// (row_point.cpp).
StartedGesture startRowPoint(ImagingScene &scene, Point at);

// P, or the row's next point, dragged on to a place: never closer to the
// interface than its least depth, and not at all from above it
// (object_drag.cpp).
PointerChange dragObjectPoint(ImagingScene &scene, Point at);

}  // namespace imaging
