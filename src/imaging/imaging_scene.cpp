// What the user does to the imaging scene, each followed by the drawing it
// asks for: during a move only the moved symbol is erased and drawn again;
// a change of the index or of the row draws the whole picture anew.
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
    eraseEye();
    eye_ = at;
    drawEye();
}

void ImagingScene::moveObjectPoint(Point at)
{
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
