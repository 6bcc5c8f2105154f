// The printed page on a real printer (or a PDF file): QPainter on a QPrinter,
// so paper gets vectors at the printer's own resolution.
#pragma once

#include "canvas/page.h"
#include "canvas/scene_mapping.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <memory>

namespace canvas {

// Without a printer the page goes to a PDF file at this resolution.
inline constexpr int kPdfResolution = 600;
// A pen of width 1 on paper is 1/300 inch wide, at every printer resolution:
// 2 printer pixels at 600 dpi, 4 at 1200.
inline constexpr double kPaperPenDpi = 300;

// The one printer of the program, shared by both views for its whole life,
// so that the printer, paper, orientation and file chosen last are offered
// and used again. At first it is the system's default printer in portrait,
// or a PDF file when the system has none.
QPrinter &sharedPrinter();

class PrinterPage : public PageSurface
{
public:
    explicit PrinterPage(QPrinter *printer);
    ~PrinterPage() override;

    int paperWidthTwips() const override;
    int paperHeightTwips() const override;
    void clear() override {}
    void line(double x1, double y1, double x2, double y2, const Pen &pen) override;
    void circle(double x, double y, double r, const Pen &pen) override;
    void dot(double x, double y, const Pen &pen) override;
    void disc(double x, double y, double r, const Pen &pen) override;
    void printText(const QString &text) override;
    void endDocument() override;
    QPrinter *printer() override { return printer_; }

    // Whether the job was asked to start (by the first drawing), whether it
    // did (no printer, a file that cannot be created), and whether it was
    // ended and handed over whole (the file complete on disk).
    bool attempted() const { return started_; }
    bool began() const { return began_; }
    bool finished() const { return finished_; }
    // The file the page goes to, or empty for a printer.
    QString fileName() const;

protected:
    void scaleChanged() override;

private:
    QPainter &painter();
    // A pen's width in the printer's pixels, at any resolution.
    double deviceWidth(const Pen &pen) const;
    void setPen(const Pen &pen, bool styled);

    bool toPdfFile() const;
    bool beginPdfFile();
    QRectF printableArea() const;

    QPrinter *printer_;
    // A PDF is written aside and put in place only when complete, so a job
    // that fails leaves a file of that name as it was.
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPdfWriter> pdf_;
    QPainter painter_;
    bool started_ = false;
    bool began_ = false;
    bool finished_ = false;
    SceneMapping mapping_;
};

}  // namespace canvas
