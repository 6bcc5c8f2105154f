// Adding a point to the row with the right button: pressed in, its dot goes
// where the button is (on the grid to the nearest node), follows the drag as
// a dot alone, and is stored where it is let go, on the grid at the node
// nearest to it. A full row takes no further point: the whole gesture is
// refused, and P and the picture stay as they are.
#include "imaging/gestures.h"

namespace imaging {

namespace {

class RowPoint : public ImagingGesture
{
public:
    RowPoint(ImagingScene &scene, bool refused) : scene_(scene), refused_(refused) {}

    PointerChange move(Point at) override
    {
        return refused_ ? PointerChange{} : dragObjectPoint(scene_, at);
    }

    PointerChange release() override
    {
        // The release of a refused press leaves everything as it is, the
        // field's pointer too.
        if (refused_ || !scene_.storeNextRowPoint())
            return {.screen = Pointer::Arrow};
        return {Pointer::Arrow, Pointer::Arrow};
    }

private:
    ImagingScene &scene_;
    const bool refused_;
};

}  // namespace

StartedGesture startRowPoint(ImagingScene &scene, Point at)
{
    const bool refused = scene.rowFull();
    StartedGesture started{std::make_unique<RowPoint>(scene, refused), {}};
    if (refused)
        return started;
    // The dot of the previous point stays: it is the last point of the row.
    started.pointer.screen = Pointer::Cross;
    scene.placeNextRowPoint(at);
    return started;
}

}  // namespace imaging
