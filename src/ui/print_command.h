// What both print commands share: the dialogue before printing, the page
// scale, the title and index labels after the scene, and the command as a
// whole on the system's printer.
#pragma once

#include "canvas/page.h"
#include "ui/dialogs.h"

#include <functional>
#include <optional>

namespace ui {

using canvas::PageSurface;

// Asks twice for the title line and joins the answers as typed, opens the
// printer dialog, asks for patience and sets the page units. Returns the
// title line, or none when the user cancelled the printer dialog: then
// nothing is to be printed.
std::optional<QString> beginPrintout(Dialogs &dialogs, PageSurface &page);

// The title line, the labels of the two media's indices (n of the lower one,
// its label at `labelHeight` of the printable height) and the end of the job.
void endPrintout(PageSurface &page, const QString &title, float n, double labelHeight);

// A whole print command on the shared printer, drawn by `printOut`. While
// the printer writes a PDF under a name this program offered, the name is
// `pdfName` in the home folder. A job that cannot start or cannot be
// finished is reported through `dialogs`; a cancelled one does nothing.
void printOnSystemPrinter(Dialogs &dialogs, const QString &pdfName,
                          const std::function<void(PageSurface &)> &printOut);

}  // namespace ui
