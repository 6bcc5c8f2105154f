// The grid of the imaging field, on the screen and on paper.
#include "imaging/imaging_scene.h"

#include "optics/point_grid.h"

namespace imaging {

using optics::kGridExtent;
using optics::kGridSpacing;

void ImagingScene::drawGrid()
{
    gridOn(screen(), kScreenPens);
}

void ImagingScene::gridOn(canvas::Surface &s, const ImagingPens &pens)
{
    for (int gx = -kGridExtent; gx <= kGridExtent; gx += kGridSpacing)
        for (int gy = -kGridExtent; gy <= kGridExtent; gy += kGridSpacing)
            s.dot(gx, gy, {pens.grid});
}

void ImagingScene::eraseGrid()
{
    // Deliberate: only the nodes are overdrawn, so the rest of the picture stays as it was shown.
    // Painted over in white; whatever lay on a node keeps a white gap until
    // the next full redraw.
    canvas::Surface &s = screen();
    for (int gx = -kGridExtent; gx <= kGridExtent; gx += kGridSpacing)
        for (int gy = -kGridExtent; gy <= kGridExtent; gy += kGridSpacing)
            s.dot(gx, gy, {kScreenPens.grid, canvas::kWhite});
}

void ImagingScene::drawGridIfShown()
{
    if (gridShown_)
        drawGrid();
}

}  // namespace imaging
