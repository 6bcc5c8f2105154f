// Dragging P with the right button: the press puts P where it lands, every
// move takes it on, and the fan of fixed rays turns with it; when P crosses
// the interface the rays leave the other medium. The release leaves the
// picture as the last move drew it.
#include "raypath/gestures.h"

namespace raypath {

namespace {

class ObjectDrag : public RayPathGesture
{
public:
    ObjectDrag(RayPathScene &scene, Point at) : scene_(scene) { scene_.moveObject(at); }

    void move(Point at) override { scene_.dragObject(at); }
    void release(Point) override {}

private:
    RayPathScene &scene_;
};

}  // namespace

std::unique_ptr<RayPathGesture> startObjectDrag(RayPathScene &scene, Point at)
{
    return std::make_unique<ObjectDrag>(scene, at);
}

}  // namespace raypath
