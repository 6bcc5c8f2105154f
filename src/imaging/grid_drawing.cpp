// The grid of the imaging field, on the screen and on paper.
#include "imaging/form2.h"

#include "optics/point_grid.h"

#include <QCheckBox>
#include <cmath>

namespace imaging {

void Form2::DrawGrid()
{
    gridOn(surface(), 1);
}

void Form2::PrintGrid(canvas::PageSurface &page)
{
    gridOn(page, 3);
    page.DrawWidth(1);
}

void Form2::gridOn(canvas::Surface &s, int pen)
{
    s.DrawWidth(pen);
    for (int gx = -kGridExtent; gx <= kGridExtent; gx += kGridSpacing)
        for (int gy = -kGridExtent; gy <= kGridExtent; gy += kGridSpacing)
            s.PSet(gx, gy, s.foreColor());
}

void Form2::EraseGrid()
{
    // Painted over with the pen in force; whatever lay on a node keeps a
    // white gap until the next full redraw.
    canvas::Surface &s = surface();
    for (int gx = -kGridExtent; gx <= kGridExtent; gx += kGridSpacing)
        for (int gy = -kGridExtent; gy <= kGridExtent; gy += kGridSpacing)
            s.PSet(gx, gy, canvas::kWhite);
}

void Form2::Raster_Click()
{
    if (Raster->isChecked())
        DrawGrid();
    else
        EraseGrid();
}

void Form2::drawGridIfTicked()
{
    if (Raster->isChecked())
        DrawGrid();
}

}  // namespace imaging
