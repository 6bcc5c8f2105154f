// The printed page on a real printer (or a PDF file): QPainter on a QPrinter,
// so paper gets vectors at the printer's own resolution.
#pragma once

#include "canvas/page.h"
#include "canvas/scene_mapping.h"

#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>

namespace canvas {

// Without a printer the page goes to a PDF file, at a resolution at which
// the pens keep the weight they have on a common laser printer.
inline constexpr int kPdfResolution = 600;

// Sets a fresh printer up: the system's default printer, or a PDF file named
// `pdfFileName` when the system has none.
void PreparePrinter(QPrinter &printer, const QString &pdfFileName);

class Dialogs;

// A whole print command: a page on the system's printer, or in the PDF file
// `pdfName` in the home folder when there is no printer, drawn by
// `printOut`. A job that cannot start is reported through `dialogs`.
void PrintOnSystemPrinter(Dialogs &dialogs, const QString &pdfName,
                          const std::function<void(PageSurface &)> &printOut);

class PrinterPage : public PageSurface
{
public:
    explicit PrinterPage(QPrinter *printer);
    ~PrinterPage() override;

    int Width() const override;
    int Height() const override;
    void Cls() override {}
    using Surface::Circle;
    using Surface::Line;
    using Surface::PSet;
    void Line(double x1, double y1, double x2, double y2, QRgb colour) override;
    void Circle(double x, double y, double r, QRgb colour) override;
    void PSet(double x, double y, QRgb colour) override;
    void Print(const QString &text) override;
    void EndDoc() override;
    QPrinter *printer() override { return printer_; }

    // False when the job could not be started (no printer, a file that
    // cannot be written).
    bool started() const { return began_; }

protected:
    void scaleChanged() override;

private:
    QPainter &painter();
    void setPen(QRgb colour, bool styled);

    QPrinter *printer_;
    QPainter painter_;
    bool started_ = false;
    bool began_ = false;
    SceneMapping mapping_;
};

}  // namespace canvas
