// The imaging scene on paper, drawn again from the state at the printer's
// resolution. The screen routines run alongside, so that the parts of the
// picture that go on paper are renewed on the screen as well.
#include "imaging/imaging_scene.h"

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
        rowImagesOn(page, kPaperPens);
        rowPointsOn(page, kPaperPens);
        if (objectPoint_.y > 0)
            bundleOnPaper(page);
    }
    if (gridShown_)
        gridOn(page, kPaperPens);
    drawInterfaceLine();
    interfaceOn(page, kPaperPens);
    drawEye();
    eyeOn(page, kPaperPens);
}

void ImagingScene::bundleOnPaper(PageSurface &page)
{
    bundleOn(page, kPaperPens);
    // P last, so that where the image falls on P (n = 1) the black dot covers
    // the red one.
    page.dot(objectPoint_.x, objectPoint_.y, {kPaperPens.dots});
}

}  // namespace imaging
