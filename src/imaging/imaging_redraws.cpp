// The sequences that draw the whole imaging picture anew, one for each thing
// the user does. They differ in what they show (the bundle only from P's
// least depth on, the row only in row mode) and in their order, which decides
// what lies on top where two elements meet: the last drawn wins.
#include "imaging/imaging_scene.h"

namespace imaging {

void ImagingScene::drawBundleIfDeepEnough()
{
    if (objectPoint_.y >= kObjectDepth)
        drawBundle();
}

// The eye placed or dragged. In single-point mode the grid goes last, over
// the bundle; in row mode the red image points lie over the grid.
void ImagingScene::drawAfterEyeMoved()
{
    screen().clear();
    drawEye();
    if (!rowMode_) {
        drawObjectDot();
        drawInterfaceLine();
        drawBundleIfDeepEnough();
        drawGridIfShown();
        return;
    }
    drawInterfaceLine();
    drawGridIfShown();
    drawRowImages();
    drawRowPoints();
    drawBundle();
}

// P placed or dragged in single-point mode.
void ImagingScene::drawAfterObjectMoved()
{
    screen().clear();
    drawObjectDot();
    drawEye();
    drawInterfaceLine();
    drawGridIfShown();
    drawBundleIfDeepEnough();
}

// A point added to the row: the grid last, its nodes over everything.
void ImagingScene::drawAfterRowPointStored()
{
    screen().clear();
    drawInterfaceLine();
    drawRowPoints();
    drawRowImages();
    drawEye();
    drawBundleIfDeepEnough();
    drawGridIfShown();
}

// The index changed. In single-point mode P's black dot goes over the bundle,
// so that where the image falls on P (n = 1) the red dot does not hide it.
void ImagingScene::drawAfterIndexChange()
{
    canvas::Surface &s = screen();
    s.clear();
    drawEye();
    drawGridIfShown();
    drawInterfaceLine();
    if (!rowMode_) {
        drawBundle();
        drawObjectDot();
    } else {
        drawRowImages();
        drawRowPoints();
    }
}

// "Löschen": no bundle and no image point until the next full redraw.
void ImagingScene::drawAfterRowCleared()
{
    canvas::Surface &s = screen();
    s.clear();
    drawInterfaceLine();
    drawEye();
    drawGridIfShown();
    drawObjectDot();
}

// What a fresh field shows: the picture of a single point, without the grid
// and the row, which come back with the next full redraw.
void ImagingScene::paintFreshField()
{
    canvas::Surface &s = screen();
    s.clear();
    drawInterfaceLine();
    drawObjectDot();
    drawEye();
    drawBundle();
}

// The picture the user expects of the current mode, drawn before the picture
// is saved: P's dot last, over its bundle.
void ImagingScene::redrawPicture()
{
    canvas::Surface &s = screen();
    s.clear();
    drawInterfaceLine();
    drawGridIfShown();
    if (rowMode_) {
        drawRowPoints();
        drawRowImages();
    }
    drawEye();
    drawBundleIfDeepEnough();
    drawObjectDot();
}

}  // namespace imaging
