// The imaging scene on paper, drawn again from the state at the printer's
// resolution. The screen routines run alongside, so that the parts of the
// picture that go on paper are renewed on the screen as well.
#include "imaging/imaging_scene.h"

#include "canvas/eye_symbol.h"

namespace imaging {

using namespace canvas;

void ImagingScene::drawOnPaper(PageSurface &page)
{
    if (!rowMode_) {
        drawBundle();
        bundleOnPaper(page);
    } else {
        drawRowImages();
        drawRowPoints();
        rowImagesOn(page, kPaperDotPen);
        rowPointsOn(page, kPaperDotPen);
        if (objectPoint_.y > 0)
            bundleOnPaper(page);
    }
    if (gridShown_) {
        gridOn(page, 3);
        page.setPenWidth(1);
    }
    drawInterfaceLine();
    page.line(-1000, 0, 1000, 0, kBlack);
    drawEye();
    drawEyeSymbol(page, eye_.x, eye_.y, objectPoint_.x, objectPoint_.y, kPaperEyePens);
}

void ImagingScene::bundleOnPaper(PageSurface &page)
{
    bundleOn(page, kPaperDotPen);
    // P last, so that where the image falls on P (n = 1) the black dot covers
    // the red one.
    page.setPenWidth(kPaperDotPen);
    page.dot(objectPoint_.x, objectPoint_.y, kBlack);
    page.setPenWidth(1);
}

}  // namespace imaging
