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
    canvas::Surface &s = surface();
    s.clear();
    drawEye();
    drawGridIfShown();
    drawInterfaceLine();
    if (!rowMode_) {
        drawBundle();
        drawObjectDot();
        s.setPenWidth(1);
    } else {
        drawRowImages();
        drawRowPoints();
    }
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
    canvas::Surface &s = surface();
    s.clear();
    rowPoints_.clear();
    drawInterfaceLine();
    drawEye();
    drawGridIfShown();
    drawObjectDot();
    s.setPenWidth(1);
}

void ImagingScene::paintFreshField()
{
    canvas::Surface &s = surface();
    s.clear();
    drawInterfaceLine();
    drawObjectDot();
    s.setPenWidth(1);
    drawEye();
    drawBundle();
}

void ImagingScene::redrawPicture()
{
    canvas::Surface &s = surface();
    s.clear();
    drawInterfaceLine();
    drawGridIfShown();
    if (rowMode_) {
        drawRowPoints();
        drawRowImages();
    }
    drawEye();
    if (objectPoint_.y >= 50)
        drawBundle();
    drawObjectDot();
    s.setPenWidth(1);
}

}  // namespace imaging
