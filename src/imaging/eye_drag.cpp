// Placing and dragging the eye with the left button. The eye stays in the
// upper medium, and the picture follows it at once: the bundle, the image
// points and the eye's look, drawn as its release draws them.
#include "imaging/gestures.h"

namespace imaging {

namespace {

// The eye stays this far above the interface while dragged (and in single
// point mode also when placed); in row mode a press may put it down to
// kRowEyeDepth below the interface.
constexpr float kEyeLimit = -50;

class EyeDrag : public ImagingGesture
{
public:
    explicit EyeDrag(ImagingScene &scene) : scene_(scene) {}

    PointerChange move(Point at) override
    {
        if (at.y > kEyeLimit)
            return {.screen = Pointer::NoDrop};
        scene_.moveEye(at);
        return {.screen = Pointer::Cross};
    }

    // Also after a refused press: the picture as the eye sees it.
    PointerChange release() override
    {
        scene_.drawAfterEyeMoved();
        return {Pointer::Arrow, Pointer::Arrow};
    }

private:
    ImagingScene &scene_;
};

}  // namespace

StartedGesture startEyeDrag(ImagingScene &scene, Point at)
{
    StartedGesture started{std::make_unique<EyeDrag>(scene), {.screen = Pointer::NoDrop}};
    if (at.y <= (scene.rowMode() ? kRowEyeDepth : kEyeLimit)) {
        scene.moveEye(at);
        started.pointer.screen = Pointer::Cross;
    }
    return started;
}

}  // namespace imaging
