#include "ui/print_command.h"

#include "canvas/printer_page.h"
#include "ui/file_error.h"
#include "ui/number_text.h"

#include <QDir>

namespace ui {

std::optional<QString> beginPrintout(Dialogs &dialogs, PageSurface &page)
{
    const QString prompt = QStringLiteral("Bitte geben Sie die Titelzeile für den Ausdruck ein!");
    const QString title = QStringLiteral("Eingabe");
    // The title line is what the two boxes give together; a box cancelled
    // gives nothing and the command goes on, to the printer dialog's Cancel.
    QString line;
    // Deliberate: joined as typed, no blank added: the user puts the blank where it is wanted.
    for (int i = 0; i < 2; ++i)
        line += dialogs.askText(prompt, title).value_or(QString());
    if (!dialogs.choosePrinter(page.printer()))
        return std::nullopt;
    dialogs.showMessage(QStringLiteral("Haben Sie etwas Geduld!"));
    const double w = page.paperWidthTwips();
    const double h = page.paperHeightTwips();
    page.setScale(-w / 10, -h / 10, w / 10, h / 10);
    return line;
}

void endPrintout(PageSurface &page, const QString &title, float n, double labelHeight)
{
    page.setFontSize(20);
    page.setCurrentX(page.scaleLeft() + 0.05 * page.scaleWidth());
    page.setCurrentY(page.scaleTop() + 0.15 * page.scaleHeight());
    // Deliberate: the title goes over the picture without a white ground; rays run through it.
    page.printText(title);

    page.setFontSize(12);
    page.setCurrentX(page.scaleLeft() + 0.8 * page.scaleWidth());
    page.setCurrentY(page.scaleTop() + 0.2 * page.scaleHeight());
    page.printText(QStringLiteral("n =  1"));
    page.setCurrentX(page.scaleLeft() + 0.8 * page.scaleWidth());
    page.setCurrentY(page.scaleTop() + labelHeight * page.scaleHeight());
    // Deliberate: paper shows n as set, also below 1, where the screen shows the reciprocal above.
    page.printText(QStringLiteral("n = ") + numberText(n));
    page.endDocument();
}

void printOnSystemPrinter(Dialogs &dialogs, const QString &pdfName,
                          const std::function<void(PageSurface &)> &printOut)
{
    QPrinter &printer = canvas::sharedPrinter();
    // Each view offers a file of its own name until the user picks another.
    static QString offeredName;
    if (printer.outputFormat() == QPrinter::PdfFormat
        && (printer.outputFileName().isEmpty() || printer.outputFileName() == offeredName)) {
        offeredName = QDir::home().filePath(pdfName);
        printer.setOutputFileName(offeredName);
    }
    canvas::PrinterPage page(&printer);
    printOut(page);
    if (!page.attempted() || page.finished())
        return;  // cancelled in the printer dialog, or printed
    const QString file = page.fileName();
    if (!file.isEmpty())
        dialogs.showError(QStringLiteral("Der Ausdruck konnte nicht in die Datei „%1“ "
                                        "geschrieben werden.\n%2")
                             .arg(file, openErrorText(file)));
    else if (!page.began())
        dialogs.showError(QStringLiteral("Der Ausdruck konnte nicht gestartet werden."));
    else
        dialogs.showError(QStringLiteral("Der Ausdruck konnte nicht an den Drucker übergeben werden."));
}

}  // namespace ui
