// Placing and dragging P of a single point with the right button. P stays in
// the lower medium, at least its least depth below the interface, and the
// picture follows it at once, as it follows the eye.
#include "imaging/gestures.h"

namespace imaging {

namespace {

// A press between kObjectPressLimit and kObjectPressDepth below the
// interface puts P at the least depth, kObjectDepth.
constexpr float kObjectPressLimit = 10;
constexpr float kObjectPressDepth = 100;
// Between -kObjectDeadBand and kObjectPressLimit a drag of P does nothing.
constexpr float kObjectDeadBand = 10;

class ObjectDrag : public ImagingGesture
{
public:
    explicit ObjectDrag(ImagingScene &scene) : scene_(scene) {}

    // A refused press does not end the drag: P follows once the pointer is
    // low enough.
    PointerChange move(Point at) override { return dragObjectPoint(scene_, at); }

    PointerChange release() override
    {
        scene_.drawAfterObjectMoved();
        return {Pointer::Arrow, Pointer::Arrow};
    }

private:
    ImagingScene &scene_;
};

}  // namespace

StartedGesture startObjectDrag(ImagingScene &scene, Point at)
{
    StartedGesture started{std::make_unique<ObjectDrag>(scene), {}};
    if (at.y < kObjectPressLimit) {
        started.pointer.field = Pointer::NoDrop;
        return started;
    }
    started.pointer.screen = Pointer::Cross;
    scene.moveObjectPoint({at.x, at.y < kObjectPressDepth ? kObjectDepth : at.y});
    return started;
}

PointerChange dragObjectPoint(ImagingScene &scene, Point at)
{
    PointerChange pointer;
    if (at.y >= kObjectPressLimit) {
        // No snapping while dragging, also in row mode: the release snaps.
        pointer.screen = Pointer::Cross;
        scene.moveObjectPoint({at.x, at.y < kObjectDepth ? kObjectDepth : at.y});
    }
    if (at.y < -kObjectDeadBand)
        pointer.screen = Pointer::NoDrop;
    return pointer;
}

}  // namespace imaging
