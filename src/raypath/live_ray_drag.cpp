// Dragging a ray out of P with the left button. The live ray follows the
// pointer as an overlay over the picture: each move takes the last one back
// and draws the next, and only the pixels it covered change. The release
// keeps the ray the user saw.
#include "raypath/gestures.h"

namespace raypath {

namespace {

class LiveRayDrag : public RayPathGesture
{
public:
    LiveRayDrag(RayPathScene &scene, Point at) : scene_(scene), drawn_(scene.drawLiveRay(at)) {}

    void move(Point at) override
    {
        canvas::Surface &s = scene_.screen();
        // The field takes the last live ray back when nothing else was drawn
        // since (the press draws outside an overlay); otherwise it is erased
        // and the picture mended over it.
        if (!s.takeBackOverlay())
            scene_.eraseLiveRay(drawn_);
        s.beginOverlay();
        drawn_ = scene_.drawLiveRay(at);
        s.endOverlay();
    }

    void release(Point) override { scene_.fixLiveRay(drawn_); }

private:
    RayPathScene &scene_;
    // The live ray drawn last; none where the aim made no ray.
    std::optional<DrawnRay> drawn_;
};

}  // namespace

std::unique_ptr<RayPathGesture> startLiveRay(RayPathScene &scene, Point at)
{
    return std::make_unique<LiveRayDrag>(scene, at);
}

}  // namespace raypath
