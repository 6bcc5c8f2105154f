#include "canvas/print_frame.h"

#include "canvas/number_text.h"

namespace canvas {

std::optional<QString> BeginPrintout(Dialogs &dialogs, PageSurface &page)
{
    const QString prompt = QStringLiteral("Bitte geben Sie die Titelzeile für den Ausdruck ein!");
    const QString title = QStringLiteral("Eingabe");
    QString line;
    for (int i = 0; i < 2; ++i)
        line += dialogs.InputBox(prompt, title);
    if (!dialogs.PrinterDialog(page.printer()))
        return std::nullopt;
    dialogs.MsgBox(QStringLiteral("Haben Sie etwas Geduld!"));
    const double w = page.Width();
    const double h = page.Height();
    page.Scale(-w / 10, -h / 10, w / 10, h / 10);
    return line;
}

void EndPrintout(PageSurface &page, const QString &title, float n, double labelHeight)
{
    page.FontSize(20);
    page.CurrentX(page.ScaleLeft() + 0.05 * page.ScaleWidth());
    page.CurrentY(page.ScaleTop() + 0.15 * page.ScaleHeight());
    page.Print(title);

    page.FontSize(12);
    page.CurrentX(page.ScaleLeft() + 0.8 * page.ScaleWidth());
    page.CurrentY(page.ScaleTop() + 0.2 * page.ScaleHeight());
    page.Print(QStringLiteral("n =  1"));
    page.CurrentX(page.ScaleLeft() + 0.8 * page.ScaleWidth());
    page.CurrentY(page.ScaleTop() + labelHeight * page.ScaleHeight());
    page.Print(QStringLiteral("n = ") + NumberText(n));
    page.EndDoc();
}

}  // namespace canvas
