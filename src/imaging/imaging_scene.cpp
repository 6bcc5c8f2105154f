// What the user does to the imaging scene, each followed by the drawing it
// asks for, and the field's events handed to the gesture of their button. The eye, and P in single-point mode, take the whole picture with
// them while they are dragged; so do a change of the index or of the row.
#include "imaging/imaging_scene.h"

#include "imaging/gestures.h"
#include "optics/point_grid.h"

namespace imaging {

ImagingScene::ImagingScene(canvas::Surface &screen) : screen_(&screen) {}

ImagingScene::~ImagingScene() = default;

void ImagingScene::showGrid(bool shown)
{
    gridShown_ = shown;
    if (shown)
        drawGrid();
    else
        eraseGrid();
}

void ImagingScene::setIndex(float n)
{
    index_ = n;
    drawAfterIndexChange();
}

void ImagingScene::moveEye(Point at)
{
    eye_ = at;
    drawAfterEyeMoved();
}

void ImagingScene::moveObjectPoint(Point at)
{
    if (!rowMode_) {
        objectPoint_ = at;
        drawAfterObjectMoved();
        return;
    }
    eraseObjectDot();
    objectPoint_ = at;
    drawObjectDot();
}

bool ImagingScene::storeRowPoint(Point p)
{
    if (int(rowPoints_.size()) >= kMaxRowPoints)
        return false;
    rowPoints_.push_back(p);
    return true;
}

void ImagingScene::placeNextRowPoint(Point at)
{
    objectPoint_ = gridShown_ ? optics::snapToGrid(at.x, at.y) : at;
    drawObjectDot();
}

bool ImagingScene::storeNextRowPoint()
{
    // A hand moves a pixel or two between press and release: on the grid
    // the point goes to the node nearest where its dot was let go.
    if (gridShown_)
        objectPoint_ = optics::snapToGrid(objectPoint_.x, objectPoint_.y);
    if (!storeRowPoint(objectPoint_))
        return false;
    drawAfterRowPointStored();
    return true;
}

MouseButtons ImagingScene::touchRoleAt(QPointF at) const
{
    const bool eye = rowMode_ ? at.y() <= kRowEyeDepth : at.y() < 0;
    return eye ? MouseButtons::Left : MouseButtons::Right;
}

PointerChange ImagingScene::handle(const canvas::FieldEvent &event)
{
    const Point at{float(event.at.x()), float(event.at.y())};
    const MouseButtons b = event.buttons;
    switch (event.phase) {
    case canvas::FieldEvent::Phase::Press: {
        StartedGesture started;
        if (b == MouseButtons::Left) {
            started = startEyeDrag(*this, at);
            leftGesture_ = std::move(started.gesture);
        } else if (b == MouseButtons::Right) {
            started = rowMode_ ? startRowPoint(*this, at) : startObjectDrag(*this, at);
            rightGesture_ = std::move(started.gesture);
        }
        return started.pointer;
    }
    case canvas::FieldEvent::Phase::Move:
        // Two buttons held, or none, drive no gesture.
        if (b == MouseButtons::Left && leftGesture_)
            return leftGesture_->move(at);
        if (b == MouseButtons::Right && rightGesture_)
            return rightGesture_->move(at);
        return {};
    case canvas::FieldEvent::Phase::Release: {
        std::unique_ptr<ImagingGesture> ended;
        if (b == MouseButtons::Left)
            ended = std::move(leftGesture_);
        else if (b == MouseButtons::Right)
            ended = std::move(rightGesture_);
        return ended ? ended->release() : PointerChange{Pointer::Arrow, Pointer::Arrow};
    }
    }
    return {};
}

void ImagingScene::clearRow()
{
    rowPoints_.clear();
    drawAfterRowCleared();
}

}  // namespace imaging
