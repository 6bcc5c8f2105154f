// Working the imaging field with the mouse: the left button places and drags
// the eye in the upper half, the right button the object point P in the lower
// half, or, in row mode, adds a point to the row. While the eye or a single P
// is dragged, the bundle and the image points follow at once; the row's next
// point is only moved as a dot, and its release rebuilds the whole picture.
#include "imaging/imaging_scene.h"

#include "optics/point_grid.h"

namespace imaging {

namespace {

// The eye stays this far above the interface while dragged (and in single
// point mode also when placed); in row mode a press may put it down to
// kRowEyeLimit below the interface.
constexpr float kEyeLimit = -50;
constexpr float kRowEyeLimit = 50;
// A press between kObjectPressLimit and kObjectPressDepth below the
// interface puts P at the least depth, kObjectDepth.
constexpr float kObjectPressLimit = 10;
constexpr float kObjectPressDepth = 100;
// Between -kObjectDeadBand and kObjectPressLimit a drag of P does nothing.
constexpr float kObjectDeadBand = 10;

}  // namespace

PointerChange ImagingScene::press(MouseButtons button, Point at)
{
    PointerChange pointer;
    if (button == MouseButtons::Left) {
        if (at.y <= (rowMode_ ? kRowEyeLimit : kEyeLimit)) {
            pointer.screen = Pointer::Cross;
            moveEye(at);
        } else {
            pointer.screen = Pointer::NoDrop;
        }
    } else if (button == MouseButtons::Right && !rowMode_) {
        if (at.y < kObjectPressLimit) {
            pointer.field = Pointer::NoDrop;
            return pointer;
        }
        pointer.screen = Pointer::Cross;
        moveObjectPoint({at.x, at.y < kObjectPressDepth ? kObjectDepth : at.y});
    } else if (button == MouseButtons::Right) {
        // A full row takes no further point: P stays and nothing is drawn.
        rowPressRefused_ = int(rowPoints_.size()) >= kMaxRowPoints;
        if (rowPressRefused_)
            return pointer;
        // The dot of the previous point stays: it is the last point of the row.
        pointer.screen = Pointer::Cross;
        objectPoint_ = gridShown_ ? optics::snapToGrid(at.x, at.y) : at;
        drawObjectDot();
    }
    return pointer;
}

PointerChange ImagingScene::drag(MouseButtons held, Point at)
{
    PointerChange pointer;
    if (held == MouseButtons::Left && at.y <= kEyeLimit) {
        pointer.screen = Pointer::Cross;
        moveEye(at);
    }
    if (held == MouseButtons::Left && at.y > kEyeLimit)
        pointer.screen = Pointer::NoDrop;
    if (held == MouseButtons::Right && rowMode_ && rowPressRefused_)
        return pointer;
    if (held == MouseButtons::Right && at.y >= kObjectPressLimit) {
        // No snapping while dragging, also in row mode: the release snaps.
        pointer.screen = Pointer::Cross;
        moveObjectPoint({at.x, at.y < kObjectDepth ? kObjectDepth : at.y});
    }
    if (held == MouseButtons::Right && at.y < -kObjectDeadBand)
        pointer.screen = Pointer::NoDrop;
    return pointer;
}

PointerChange ImagingScene::release(MouseButtons button)
{
    PointerChange pointer;
    pointer.screen = Pointer::Arrow;
    if (button == MouseButtons::Left) {
        drawAfterEyeMoved();
    } else if (button == MouseButtons::Right && !rowMode_) {
        drawAfterObjectMoved();
    } else if (button == MouseButtons::Right) {
        // The release of a refused press, or one into a full row, leaves
        // everything as it is, the field's pointer too.
        if (rowPressRefused_) {
            rowPressRefused_ = false;
            return pointer;
        }
        // On the grid the point goes to the node nearest where the dot was let
        // go: a hand moves a pixel or two between press and release.
        if (gridShown_)
            objectPoint_ = optics::snapToGrid(objectPoint_.x, objectPoint_.y);
        if (!storeRowPoint(objectPoint_))
            return pointer;
        drawAfterRowPointStored();
    }
    pointer.field = Pointer::Arrow;
    return pointer;
}

}  // namespace imaging
