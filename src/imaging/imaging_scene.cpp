// What the user does to the imaging scene, each followed by the drawing it
// asks for. The eye, and P in single-point mode, take the whole picture with
// them while they are dragged; so do a change of the index or of the row.
#include "imaging/imaging_scene.h"

namespace imaging {

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

void ImagingScene::clearRow()
{
    rowPoints_.clear();
    drawAfterRowCleared();
}

}  // namespace imaging
