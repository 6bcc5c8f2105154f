// What both print commands share: the dialogue before printing, the page
// scale, and the title and index labels after the scene.
#pragma once

#include "canvas/dialogs.h"
#include "canvas/page.h"

#include <optional>

namespace canvas {

// Where the lower index label stands, as a fraction of the printable height.
inline constexpr double kRayPathLabelHeight = 0.6;
inline constexpr double kImagingLabelHeight = 0.55;

// Asks twice for the title line and joins the answers as typed, opens the
// printer dialog, asks for patience and sets the page units. Returns the
// title line, or none when the user cancelled the printer dialog: then
// nothing is to be printed.
std::optional<QString> BeginPrintout(Dialogs &dialogs, PageSurface &page);

// The title line, the labels of the two media's indices (n of the lower one,
// its label at `labelHeight` of the printable height) and the end of the job.
void EndPrintout(PageSurface &page, const QString &title, float n, double labelHeight);

}  // namespace canvas
