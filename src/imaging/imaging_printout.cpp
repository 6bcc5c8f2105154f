// "Bild Drucken": the imaging scene on paper, drawn again from the state at
// the printer's resolution, with the title line and the two indices. The
// screen routines run alongside, so that the parts of the picture that go on
// paper are renewed on the screen as well.
#include "imaging/form2.h"

#include "canvas/eye_symbol.h"
#include "ui/print_command.h"
#include "canvas/printer_page.h"

#include <QCheckBox>

namespace imaging {

using namespace canvas;
using namespace ui;

void Form2::Command3_Click()
{
    printOnSystemPrinter(dialogs(), QStringLiteral("tavrix-abbildung.pdf"),
                         [this](PageSurface &page) { printOut(page); });
}

void Form2::printOut(PageSurface &page)
{
    const std::optional<QString> title = beginPrintout(dialogs(), page);
    if (!title)
        return;  // cancelled: nothing printed, the picture stays as it is
    if (!rowMode()) {
        DrawBundle();
        PrintBundle(page);
    } else {
        ConstructRowImages();
        DrawRowPoints();
        PrintRowImages(page);
        PrintRowPoints(page);
        if (ObjectY > 0)
            PrintBundle(page);
    }
    if (Raster->isChecked())
        PrintGrid(page);
    drawInterfaceLine();
    page.Line(-1000, 0, 1000, 0, kBlack);
    DrawEye();
    PrintEye(page);
    endPrintout(page, *title, RefIndex, kImagingLabelHeight);
}

void Form2::PrintBundle(PageSurface &page)
{
    bundleOn(page, kPaperDotPen);
    // P last, so that where the image falls on P (n = 1) the black dot covers
    // the red one.
    page.DrawWidth(kPaperDotPen);
    page.PSet(ObjectX, ObjectY, kBlack);
    page.DrawWidth(1);
}

void Form2::PrintImagePoint(PageSurface &page)
{
    if (const auto image = imageFromRayPair(ObjectX, ObjectY, CentralX, RefIndex))
        markImage(page, *image, kPaperDotPen);
}

void Form2::PrintRowImages(PageSurface &page)
{
    rowImagesOn(page, kPaperDotPen);
}

void Form2::PrintRowPoints(PageSurface &page)
{
    rowPointsOn(page, kPaperDotPen);
}

void Form2::PrintEye(PageSurface &page)
{
    drawEyeSymbol(page, EyeX, EyeY, ObjectX, ObjectY, kPaperEyePens);
}

}  // namespace imaging
