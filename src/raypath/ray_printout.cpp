// "Drucken": the ray-path scene on paper, drawn again from the state at the
// printer's resolution, with the title line and the two indices.
#include "raypath/form1.h"

#include "canvas/eye_symbol.h"
#include "ui/print_command.h"
#include "canvas/printer_page.h"


namespace raypath {

using namespace canvas;
using namespace ui;

void Form1::Command2_Click()
{
    printOnSystemPrinter(dialogs(), QStringLiteral("tavrix-strahlenverlauf.pdf"),
                         [this](PageSurface &page) { printOut(page); });
}

void Form1::printOut(PageSurface &page)
{
    const std::optional<QString> title = beginPrintout(dialogs(), page);
    if (!title)
        return;  // cancelled: nothing printed, the picture stays as it is
    // The screen shows the full picture again before anything goes to paper.
    surface().Cls();
    RedrawRays();
    PrintRays(page);
    PrintMarkers(page);
    endPrintout(page, *title, RefIndex, kRayPathLabelHeight);
}

void Form1::PrintRays(PageSurface &page)
{
    drawRayScene(page, kPaperRayPens);
}

void Form1::PrintMarkers(PageSurface &page)
{
    page.DrawWidth(20);
    for (int i = 1; i <= PointMarkCount; ++i)
        page.PSet(PointMarkX[i], PointMarkY[i], kBlack);
    page.DrawWidth(2);
    // Paper is a copy of the screen: every eye looks at the point marker
    // placed last, as it does there.
    const Point t = eyeTarget();
    for (int j = 1; j <= EyeMarkCount; ++j) {
        EyeX = EyeMarkX[j];
        EyeY = EyeMarkY[j];
        drawEyeSymbol(page, EyeX, EyeY, t.x, t.y, kPaperEyePens);
    }
}

}  // namespace raypath
